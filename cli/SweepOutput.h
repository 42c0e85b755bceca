#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "files/VecFile.h"
#include "sweep/SweepData.h"

namespace ravemo {

// What an output file holds, by its extension.
enum class OutputFormat {
    SweepFile,   // .vec, the program's own sweep file
    TextExport,  // .csv, byte-identical to the window's text export
    Touchstone,  // .s1p
    Table,       // .tsv
};

// The format of `path` by its extension (case-insensitive); nothing for any other extension.
std::optional<OutputFormat> OutputFormatOf(const QString& path);

// The message for a path whose extension names no format.
QString UnknownOutputMessage(const QString& path);

QByteArray EncodeOutput(OutputFormat format, const SweepData& data, VecLimits limits,
                        std::int32_t step, const QLocale& locale);

}  // namespace ravemo
