// Preloaded into the program by refusals.sh: answers its message boxes at once, as a user
// would, and prints each box's text on standard error so the script sees what the user was told.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QMessageBox>

namespace {

void tell(const char* kind, const QString& text) {
    std::fprintf(stderr, "[%s box] %s\n", kind, qPrintable(text));
}

}  // namespace

QMessageBox::StandardButton QMessageBox::critical(QWidget*, const QString&, const QString& text,
                                                  StandardButtons, StandardButton) {
    tell("critical", text);
    return Ok;
}

QMessageBox::StandardButton QMessageBox::warning(QWidget*, const QString&, const QString& text,
                                                 StandardButtons, StandardButton) {
    tell("warning", text);
    return Ok;
}

// RAVEMO_ANSWER=yes answers Yes; anything else No.
QMessageBox::StandardButton QMessageBox::question(QWidget*, const QString&, const QString& text,
                                                  StandardButtons, StandardButton) {
    tell("question", text);
    const char* answer = std::getenv("RAVEMO_ANSWER");
    return answer != nullptr && std::strcmp(answer, "yes") == 0 ? Yes : No;
}
