#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

class QDialog;

namespace qtfront {

// Renders one window of the component model as Qt widgets and keeps the two
// in step: model changes update the widgets, user actions call the model.
class FormView : public QObject {
public:
    FormView(ui::Form& form, QWidget* window);
    QWidget* window() const { return window_; }
    QWidget* widgetFor(const ui::Control* control) const;
    void relayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* makeWidget(ui::Control& control, QWidget* parent);
    void applyCommon(ui::Control& control, QWidget* widget);

    ui::Form& form_;
    QWidget* window_;
    std::map<const ui::Control*, QWidget*> widgets_;
    std::map<QObject*, ui::Control*> controlsByWidget_;
};

// The Qt application object of the component model.
class QtApplication : public ui::Application {
public:
    QtApplication();
    ~QtApplication() override;
    int MessageBox(const std::string& text, const std::string& caption, int flags) override;
    int ShowModal(ui::Form& form) override;
    std::optional<std::string> OpenFile(const std::string& filterDescription, const std::string& pattern,
                                        const std::string& startPath) override;
    void ProcessPaintEvents() override;

    // Shows the main window; its closing ends the message loop.
    FormView& showMain(ui::Form& form);
    FormView* view(ui::Form& form);
    // Runs a model timer on the Qt event loop.
    void bindTimer(ui::Timer& timer);

private:
    std::map<ui::Form*, std::unique_ptr<FormView>> views_;
};

// Converts a model text (CR LF line breaks) for display.
QString displayText(const std::string& text);

}  // namespace qtfront
