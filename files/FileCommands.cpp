#include "files/FileCommands.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include <QDir>
#include <QFileInfo>

#include "common/BoundedFileRead.h"
#include "common/CheckBoxValue.h"
#include "common/NumberText.h"
#include "files/CsvExport.h"
#include "files/FileFilter.h"
#include "files/SafeFileIo.h"
#include "files/TableExport.h"
#include "files/TouchstoneExport.h"

namespace ravemo {
namespace {

const QString kWarningTitle = QStringLiteral("Warning");

QString quotedName(const QString& fileName) {
    return u'"' + QDir::toNativeSeparators(fileName) + u'"';
}

// A limit box as a single-precision number of MHz, if it holds one that fits.
std::optional<float> limitOf(const QString& text, const QLocale& locale) {
    const std::optional<double> value = NumberText::parseBoxNumber(text, locale);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*value);
}

// The entry that decides what a save writes: the one whose extension the name ends in (any
// case), else the one chosen in the dialog; an index no entry has means the text export.
SaveFilterEntry saveEntryFor(const QString& fileName, int filterIndex, const QString& filter) {
    const QString typed = QFileInfo(fileName).suffix();
    const QStringList suffixes = SuffixesOfFilterList(filter);
    for (qsizetype i = 0; i < suffixes.size(); ++i) {
        if (!typed.isEmpty() && typed.compare(suffixes[i], Qt::CaseInsensitive) == 0) {
            return static_cast<SaveFilterEntry>(i + 1);
        }
    }
    switch (filterIndex) {
        case static_cast<int>(SaveFilterEntry::SweepFile):
            return SaveFilterEntry::SweepFile;
        case static_cast<int>(SaveFilterEntry::Touchstone):
            return SaveFilterEntry::Touchstone;
        case static_cast<int>(SaveFilterEntry::Table):
            return SaveFilterEntry::Table;
        default:
            return SaveFilterEntry::CsvExport;
    }
}

}  // namespace

FileCommands::FileCommands(SweepData& data, const Settings& settings, FileDialog& dialog,
                           FileCommandControls& controls, MessageReporter& reporter,
                           const QLocale& locale)
    : data_(data),
      settings_(settings),
      dialog_(dialog),
      controls_(controls),
      reporter_(reporter),
      locale_(locale) {}

FileCommandOutcome FileCommands::open() {
    const int holdBefore = controls_.holdValue();
    controls_.setHoldValue(kTicked);
    dialog_.setFilter(QString::fromLatin1(kOpenFilter));
    dialog_.setFilterIndex(static_cast<int>(SaveFilterEntry::SweepFile));
    if (!dialog_.showOpen()) return settle(FileCommandOutcome::Cancelled, holdBefore);
    return settle(LoadVecFile(), holdBefore);
}

FileCommandOutcome FileCommands::save() {
    const int holdBefore = controls_.holdValue();
    controls_.setHoldValue(kTicked);
    const QString filter = QString::fromLatin1(kSaveFilter);
    dialog_.setFilter(filter);
    if (!dialog_.showSave()) return settle(FileCommandOutcome::Cancelled, holdBefore);
    const SaveFilterEntry entry = saveEntryFor(dialog_.fileName(), dialog_.filterIndex(), filter);
    dialog_.setFilterIndex(static_cast<int>(entry));  // where the next save dialog starts
    switch (entry) {
        case SaveFilterEntry::SweepFile:
            return settle(SaveVecFile(), holdBefore);
        case SaveFilterEntry::Touchstone:
            return settle(ExportTouchstone(), holdBefore);
        case SaveFilterEntry::Table:
            return settle(ExportTable(), holdBefore);
        case SaveFilterEntry::CsvExport:
            break;
    }
    return settle(ExportCsv(), holdBefore);
}

FileCommandOutcome FileCommands::settle(FileCommandOutcome outcome, int holdBefore) {
    if (outcome != FileCommandOutcome::Done) controls_.setHoldValue(holdBefore);
    return outcome;
}

FileCommandOutcome FileCommands::LoadVecFile() {
    const QString fileName = dialog_.fileName();
    const BoundedFileRead read = ReadBoundedFile(fileName, kLargestVecFileBytes, kVecFileKind);
    if (!read.bytes) {
        reporter_.reportError(kWarningTitle,
                              read.error + QStringLiteral("\nThe sweep on screen is unchanged."));
        return FileCommandOutcome::Failed;
    }
    VecDecodeResult decoded = DecodeVecFile(*read.bytes, data_.champ());
    const std::optional<VecFileContents>& contents = decoded.contents;
    if (!contents) {
        reporter_.reportError(kWarningTitle, QStringLiteral("Could not open %1: %2\nThe sweep "
                                                            "on screen is unchanged.")
                                                 .arg(quotedName(fileName), decoded.error));
        return FileCommandOutcome::Failed;
    }
    const SweepData& loaded = contents->data;
    std::copy(loaded.ReturnLossSamples.begin(), loaded.ReturnLossSamples.end(),
              data_.ReturnLossSamples.begin());
    std::copy(loaded.PhaseSamples.begin(), loaded.PhaseSamples.end(), data_.PhaseSamples.begin());
    std::copy(loaded.DdsWords.begin(), loaded.DdsWords.end(), data_.DdsWords.begin());
    limits_ = contents->limits;
    // The file's limits must stand: under Full Sweep the next tick would overwrite them.
    controls_.setFullSweepValue(kUnticked);
    controls_.setLowerLimitText(NumberText::generalFormat(limits_.minMHz, locale_));
    controls_.setUpperLimitText(NumberText::generalFormat(limits_.maxMHz, locale_));
    return FileCommandOutcome::Done;
}

FileCommandOutcome FileCommands::SaveVecFile() {
    if (!readLimitBoxes()) return FileCommandOutcome::Failed;
    return writeFile(EncodeVecFile(data_, limits_));
}

FileCommandOutcome FileCommands::ExportCsv() {
    if (!readLimitBoxes()) return FileCommandOutcome::Failed;
    return writeFile(EncodeCsvExport(data_, limits_, locale_));
}

FileCommandOutcome FileCommands::ExportTouchstone() {
    return writeFile(EncodeTouchstone(data_, settings_.Step));
}

FileCommandOutcome FileCommands::ExportTable() {
    return writeFile(EncodeSweepTable(data_, settings_.Step));
}

bool FileCommands::readLimitBoxes() {
    const QString lowerText = controls_.lowerLimitText();
    const QString upperText = controls_.upperLimitText();
    const std::optional<float> lower = limitOf(lowerText, locale_);
    const std::optional<float> upper = limitOf(upperText, locale_);
    if (!lower || !upper) {
        const QString which = !lower ? QStringLiteral("lower") : QStringLiteral("upper");
        const QString text = !lower ? lowerText : upperText;
        reporter_.reportError(
            kWarningTitle,
            QStringLiteral("The %1 sweep limit \"%2\" is not a number. Enter the limit in MHz "
                           "(for example %3) and save again. Nothing was written.")
                .arg(which, text, NumberText::generalFormat(1.8F, locale_)));
        return false;
    }
    limits_ = {*lower, *upper};
    return true;
}

FileCommandOutcome FileCommands::writeFile(const QByteArray& bytes) {
    const QString fileName = dialog_.fileName();
    if (const std::optional<QString> failure = WriteFileAtomically(fileName, bytes)) {
        reporter_.reportError(kWarningTitle,
                              QStringLiteral("Could not save to %1: %2\nAn existing file of "
                                             "that name is unchanged.")
                                  .arg(quotedName(fileName), *failure));
        return FileCommandOutcome::Failed;
    }
    return FileCommandOutcome::Done;
}

}  // namespace ravemo
