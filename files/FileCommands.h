#pragma once

#include <QLocale>
#include <QString>

#include "common/Settings.h"
#include "files/FileCommandControls.h"
#include "files/FileDialog.h"
#include "files/MessageReporter.h"
#include "files/VecFile.h"
#include "sweep/SweepData.h"

namespace ravemo {

// The save-dialog entries, 1-based as the dialog numbers them. Entries 1 and 2 keep the
// meaning saved habits rely on; 3 and 4 are the Touchstone and table exports.
enum class SaveFilterEntry { SweepFile = 1, CsvExport = 2, Touchstone = 3, Table = 4 };

inline constexpr const char* kOpenFilter = "Ravemo_Files (*.vec)|*.vec|";
inline constexpr const char* kSaveFilter =
    "Ravemo_file (*.vec)|*.vec|CSV files(*.csv)|*.csv|Touchstone (*.s1p)|*.s1p|"
    "Table (*.tsv)|*.tsv|";

// What a command did, for the caller and the tests; failures have already been reported.
enum class FileCommandOutcome { Cancelled, Done, Failed };

// The "open" (Command2) and "save" (Command1) buttons. Both tick Hold first, then show the
// dialog. Nothing is read or written after a cancel. A save writes through a temporary file
// and replaces the old file only when complete; an open reads the whole file and checks its
// size before the arrays or the limit boxes change. Every failure is reported by name.
//
// A cancelled or failed command changes nothing: Hold goes back to the value it had. After a
// successful one Hold stays ticked. A successful open also unticks Full Sweep, so that the
// file's limits stand in the boxes, the readouts and a later save.
//
// The save dialog's entry decides what is written, unless the name ends in the extension of
// one of the entries (.vec .csv .s1p .tsv, any case): that entry then decides. The next save
// dialog starts on the entry used; the open sets the index back to the sweep file.
class FileCommands {
  public:
    FileCommands(SweepData& data, const Settings& settings, FileDialog& dialog,
                 FileCommandControls& controls, MessageReporter& reporter, const QLocale& locale);

    FileCommandOutcome open();  // click of Command2
    FileCommandOutcome save();  // click of Command1

  private:
    FileCommandOutcome LoadVecFile();
    FileCommandOutcome SaveVecFile();
    FileCommandOutcome ExportCsv();
    FileCommandOutcome ExportTouchstone();
    FileCommandOutcome ExportTable();

    bool readLimitBoxes();
    FileCommandOutcome writeFile(const QByteArray& bytes);
    // Puts Hold back to `holdBefore` unless the command was done.
    FileCommandOutcome settle(FileCommandOutcome outcome, int holdBefore);

    SweepData& data_;
    const Settings& settings_;
    FileDialog& dialog_;
    FileCommandControls& controls_;
    MessageReporter& reporter_;
    QLocale locale_;
    VecLimits limits_;  // LimitMinMHz and LimitMaxMHz: the limits last saved, exported or loaded
};

}  // namespace ravemo
