#include "app/qt/qt_frontend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace qtfront {

QString displayText(const std::string& text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

namespace {

QColor toColor(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QFont toFont(const ui::Font& f) {
    QFont font(QString::fromStdString(f.name));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(f.height < 0 ? -f.height : f.height);
    font.setBold(f.bold);
    return font;
}

void setTextColor(QWidget* widget, unsigned rgb) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toColor(rgb));
    palette.setColor(QPalette::Text, toColor(rgb));
    palette.setColor(QPalette::ButtonText, toColor(rgb));
    widget->setPalette(palette);
}

int keyCode(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Tab: return 9;
        default: return event->key() < 0x100 ? event->key() : 0;
    }
}

}  // namespace

FormView::FormView(ui::Form& form, QWidget* window) : form_(form), window_(window) {
    window_->setWindowTitle(QString::fromStdString(form.Caption()));
    window_->setFont(toFont(form.font));
    setTextColor(window_, form.font.color);
    window_->setFixedSize(form.clientWidth, form.clientHeight);
    window_->installEventFilter(this);
    build();
    form.changed.connect([this] {
        if (QWidget* w = widgetFor(form_.ActiveControl())) w->setFocus();
    });
    relayout();
}

QWidget* FormView::widgetFor(const ui::Control* control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormView::build() {
    for (ui::Control* control : form_.controls()) {
        QWidget* parent = control->Parent() == &form_ ? window_ : widgetFor(control->Parent());
        if (!parent) parent = window_;
        QWidget* widget = makeWidget(*control, parent);
        widgets_[control] = widget;
        controlsByWidget_[widget] = control;
        applyCommon(*control, widget);
    }
}

void FormView::applyCommon(ui::Control& control, QWidget* widget) {
    // Qt passes fonts and colours down to children; set only what differs.
    const ui::Font& inherited = control.Parent() ? control.Parent()->font : form_.font;
    if (control.font.name != inherited.name || control.font.height != inherited.height ||
        control.font.bold != inherited.bold)
        widget->setFont(toFont(control.font));
    if (control.font.color != inherited.color) setTextColor(widget, control.font.color);
    if (!control.hint.empty()) widget->setToolTip(QString::fromStdString(control.hint));
    auto sync = [this, &control, widget] {
        widget->setEnabled(control.Enabled());
        if (widget->isVisibleTo(widget->parentWidget()) != control.Visible()) {
            widget->setVisible(control.Visible());
            relayout();
        }
    };
    widget->setEnabled(control.Enabled());
    widget->setVisible(control.Visible());
    control.changed.connect(sync);
}

QWidget* FormView::makeWidget(ui::Control& control, QWidget* parent) {
    const ui::Bounds& b = control.bounds;
    QWidget* widget = nullptr;
    if (auto* label = dynamic_cast<ui::Label*>(&control)) {
        auto* w = new QLabel(displayText(label->Caption()), parent);
        w->setWordWrap(label->wordWrap);
        w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->changed.connect([w, label] { w->setText(displayText(label->Caption())); });
        widget = w;
    } else if (auto* memo = dynamic_cast<ui::Memo*>(&control)) {
        auto* w = new QPlainTextEdit(parent);
        w->setLineWrapMode(memo->wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        w->setReadOnly(memo->readOnly);
        w->setVerticalScrollBarPolicy(memo->verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        for (const std::string& line : memo->Lines.lines()) w->appendPlainText(displayText(line));
        memo->Lines.added.connect([w](const std::string& line) { w->appendPlainText(displayText(line)); });
        memo->Lines.cleared.connect([w] { w->clear(); });
        widget = w;
    } else if (auto* edit = dynamic_cast<ui::Edit*>(&control)) {
        auto* w = new QLineEdit(QString::fromStdString(edit->Text()), parent);
        if (edit->passwordChar) w->setEchoMode(QLineEdit::Password);
        QObject::connect(w, &QLineEdit::textEdited, [edit](const QString& text) { edit->SetText(text.toStdString()); });
        edit->changed.connect([w, edit] {
            QString text = QString::fromStdString(edit->Text());
            if (w->text() != text) w->setText(text);
        });
        widget = w;
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
        auto* w = new QComboBox(parent);
        w->setEditable(false);
        auto refill = [w, combo] {
            QSignalBlocker block(w);
            w->clear();
            for (const std::string& item : combo->Items()) w->addItem(QString::fromStdString(item));
            w->setCurrentIndex(combo->ItemIndex());
        };
        refill();
        combo->changed.connect(refill);
        QObject::connect(w, QOverload<int>::of(&QComboBox::activated),
                         [combo](int index) { ui::dispatch([&] { combo->Pick(index); }); });
        widget = w;
    } else if (auto* button = dynamic_cast<ui::Button*>(&control)) {
        auto* w = new QPushButton(displayText(button->Caption()), parent);
        w->setAutoDefault(false);
        QObject::connect(w, &QPushButton::clicked, [button] { ui::dispatch([&] { button->Click(); }); });
        widget = w;
    } else if (auto* bar = dynamic_cast<ui::ProgressBar*>(&control)) {
        auto* w = new QProgressBar(parent);
        w->setTextVisible(true);
        bar->changed.connect([w, bar] {
            w->setMaximum(std::max(bar->Max(), 1));
            w->setValue(bar->Position());
        });
        widget = w;
    } else {
        auto* w = new QFrame(parent);
        if (b.height > 0 && b.height <= 3) w->setFrameShape(QFrame::HLine), w->setFrameShadow(QFrame::Sunken);
        widget = w;
    }
    if (b.width > 0 && b.height > 0) widget->setGeometry(b.left, b.top, b.width, b.height);
    else {
        widget->move(b.left, b.top);
        widget->adjustSize();
    }
    widget->installEventFilter(this);
    return widget;
}

// Aligned controls take the edges of their parent in declaration order,
// the client-aligned one takes what is left; hidden ones take no space.
void FormView::relayout() {
    std::map<QWidget*, QRect> free;
    for (ui::Control* control : form_.controls()) {
        if (control->align == ui::Align::None) continue;
        QWidget* widget = widgetFor(control);
        QWidget* parent = widget->parentWidget();
        if (!free.count(parent)) {
            int margin = 0;
            if (auto* panel = dynamic_cast<ui::Panel*>(control->Parent())) margin = panel->innerMargin;
            if (parent == window_) margin = 3;
            free[parent] = parent->rect().adjusted(margin, margin, -margin, -margin);
        }
        if (!control->Visible()) continue;
        QRect& area = free[parent];
        int h = control->bounds.height > 0 ? control->bounds.height : widget->sizeHint().height();
        switch (control->align) {
            case ui::Align::Top:
                widget->setGeometry(area.left(), area.top(), area.width(), h);
                area.setTop(area.top() + h);
                break;
            case ui::Align::Bottom:
                if (auto* label = qobject_cast<QLabel*>(widget)) h = label->heightForWidth(area.width());
                widget->setGeometry(area.left(), area.bottom() - h + 1, area.width(), h);
                area.setBottom(area.bottom() - h);
                break;
            default: break;
        }
    }
    for (ui::Control* control : form_.controls()) {
        if (control->align != ui::Align::Client) continue;
        QWidget* widget = widgetFor(control);
        auto it = free.find(widget->parentWidget());
        if (it != free.end()) widget->setGeometry(it->second);
        else widget->setGeometry(widget->parentWidget()->rect().adjusted(3, 3, -3, -3));
    }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
            case QEvent::Show: ui::dispatch([&] { form_.Shown(); }); break;
            case QEvent::WindowActivate: ui::dispatch([&] { form_.Activated(); }); break;
            case QEvent::Close:
                // The close box: the closing event runs, then the window goes.
                ui::dispatch([&] { form_.Close(); });
                break;
            default: break;
        }
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        auto it = controlsByWidget_.find(watched);
        if (it != controlsByWidget_.end())
            if (auto* edit = dynamic_cast<ui::Edit*>(it->second)) {
                int key = keyCode(static_cast<QKeyEvent*>(event));
                ui::dispatch([&] { edit->KeyUp(key, 0); });
            }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto it = controlsByWidget_.find(watched);
        if (it != controlsByWidget_.end())
            if (auto* edit = dynamic_cast<ui::Edit*>(it->second); edit && edit->OnClick)
                ui::dispatch([&] { edit->Click(); });
    }
    if (event->type() == QEvent::FocusIn) {
        auto it = controlsByWidget_.find(watched);
        if (it != controlsByWidget_.end()) form_.SetActiveControl(it->second);
    }
    return false;
}

QtApplication::QtApplication() {
    ui::setApplication(this);
    // The windows are laid out for the narrow Windows dialog font; where it
    // is missing, the closest narrow faces keep the captions within their places.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
}

QtApplication::~QtApplication() {
    // The views go first, and with them their event filters; then the windows,
    // which nothing else owns.
    std::vector<QWidget*> windows;
    for (auto& [form, view] : views_) windows.push_back(view->window());
    views_.clear();
    for (QWidget* window : windows) delete window;
    ui::setApplication(nullptr);
}

int QtApplication::MessageBox(const std::string& text, const std::string& caption, int flags) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (flags == ui::MB_ICONERROR) icon = QMessageBox::Critical;
    else if (flags == ui::MB_ICONWARNING) icon = QMessageBox::Warning;
    QMessageBox box(icon, QString::fromStdString(caption), displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    return box.exec();
}

FormView* QtApplication::view(ui::Form& form) {
    auto it = views_.find(&form);
    return it == views_.end() ? nullptr : it->second.get();
}

int QtApplication::ShowModal(ui::Form& form) {
    FormView* existing = view(form);
    if (!existing) {
        auto* dialog = new QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        views_[&form] = std::make_unique<FormView>(form, dialog);
        existing = views_[&form].get();
        form.closing.connect([dialog] { dialog->done(0); });
    }
    auto* dialog = static_cast<QDialog*>(existing->window());
    form.reopen();
    if (QScreen* screen = QApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    return dialog->exec();
}

std::optional<std::string> QtApplication::OpenFile(const std::string& filterDescription, const std::string& pattern,
                                                   const std::string& startPath) {
    const QString filter = QString::fromStdString(filterDescription + " (" + pattern + ")");
    QString dir = QFileInfo(QString::fromStdString(startPath)).absolutePath();
    QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), dir, filter);
    if (file.isEmpty()) return std::nullopt;
    // As the platform's dialog does by default: the current folder follows the chosen file.
    QDir::setCurrent(QFileInfo(file).absolutePath());
    return QFileInfo(file).absoluteFilePath().toStdString();
}

void QtApplication::ProcessPaintEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void QtApplication::bindTimer(ui::Timer& timer) {
    auto* qtimer = new QTimer(qApp);
    auto apply = [qtimer, &timer] {
        qtimer->setInterval(timer.interval);
        if (timer.Enabled()) qtimer->start();
        else qtimer->stop();
    };
    apply();
    timer.changed.connect(apply);
    QObject::connect(qtimer, &QTimer::timeout, [&timer] {
        ui::dispatch([&] {
            if (timer.OnTimer) timer.OnTimer();
        });
    });
}

FormView& QtApplication::showMain(ui::Form& form) {
    auto* window = new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    views_[&form] = std::make_unique<FormView>(form, window);
    // The exit button and the timer close the window through the model.
    form.closing.connect([window] {
        if (window->isVisible()) window->close();
        QCoreApplication::quit();
    });
    if (QScreen* screen = QApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    return *views_[&form];
}

}  // namespace qtfront
