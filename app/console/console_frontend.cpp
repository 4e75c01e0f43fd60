#include "app/console/console_frontend.h"

#include <unistd.h>

#include <ostream>

#include "platform/ui/strings.h"

namespace consolefront {

ConsoleApplication::ConsoleApplication(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), interactive_(isatty(STDERR_FILENO) == 1) {
    ui::setApplication(this);
}

ConsoleApplication::~ConsoleApplication() {
    endProgressLine();
    ui::setApplication(nullptr);
}

int ConsoleApplication::MessageBox(const std::string& text, const std::string& caption, int) {
    endProgressLine();
    std::vector<std::string> lines = ui::splitDisplayLines(text);
    err_ << caption << ": " << lines.front() << '\n';
    for (std::size_t i = 1; i < lines.size(); ++i) err_ << lines[i] << '\n';
    err_.flush();
    return 1;
}

int ConsoleApplication::ShowModal(ui::Form&) { return 0; }

void ConsoleApplication::echo(ui::Memo& memo) {
    memo.Lines.added.connect([this](const std::string& line) {
        endProgressLine();
        for (const std::string& l : ui::splitDisplayLines(line)) out_ << l << '\n';
        out_.flush();
    });
}

void ConsoleApplication::showProgress(ui::Label& label, ui::ProgressBar& bar) {
    bar.changed.connect([this, &label, &bar] {
        printProgress(label.Caption(), bar.Position(), bar.Max(), bar.Position() == bar.Max());
    });
}

void ConsoleApplication::printProgress(const std::string& label, int position, int max, bool force) {
    auto now = std::chrono::steady_clock::now();
    // A terminal gets a line that updates itself; a log gets a line now and then.
    auto every = interactive_ ? std::chrono::milliseconds(200) : std::chrono::milliseconds(2000);
    if (!force && now - lastProgress_ < every) return;
    if (position == 0) return;
    lastProgress_ = now;
    int percent = max > 0 ? static_cast<int>(100LL * position / max) : 0;
    std::string text = label + "  " + std::to_string(position) + "/" + std::to_string(max) + " (" +
                       std::to_string(percent) + "%)";
    if (interactive_) {
        err_ << '\r' << text << "\033[K";
        progressShown_ = true;
    } else {
        err_ << text << '\n';
    }
    err_.flush();
}

void ConsoleApplication::endProgressLine() {
    if (!progressShown_) return;
    err_ << "\r\033[K";
    err_.flush();
    progressShown_ = false;
}

}  // namespace consolefront
