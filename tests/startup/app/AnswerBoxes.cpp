// Preloaded by refusals.sh: answers each message box at once and prints its text on stderr.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QMessageBox>

static void tell(const char* kind, const QString& text) {
    std::fprintf(stderr, "[%s box] %s\n", kind, qPrintable(text));
}

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
