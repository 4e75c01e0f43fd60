#pragma once

#include <chrono>
#include <iosfwd>
#include <string>

#include "platform/ui/application.h"
#include "platform/ui/components.h"

namespace consolefront {

// The component model on a terminal: report memos print their lines to
// standard output as they are added, message boxes go to standard error as
// "Caption: text", progress shows on standard error a few times a second.
class ConsoleApplication : public ui::Application {
public:
    ConsoleApplication(std::ostream& out, std::ostream& err);
    ~ConsoleApplication() override;
    int MessageBox(const std::string& text, const std::string& caption, int flags) override;
    int ShowModal(ui::Form& form) override;

    // Prints every line added to the memo from now on.
    void echo(ui::Memo& memo);
    // Shows a progress line built from a label and a progress bar.
    void showProgress(ui::Label& label, ui::ProgressBar& bar);

private:
    void printProgress(const std::string& label, int position, int max, bool force);
    void endProgressLine();

    std::ostream& out_;
    std::ostream& err_;
    bool interactive_;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point lastProgress_{};
};

}  // namespace consolefront
