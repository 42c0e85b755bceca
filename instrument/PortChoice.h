#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QString>

#include "instrument/PortIo.h"
#include "instrument/SimulatedInstrument.h"

namespace ravemo {

// What kind of problem stopped the back end asked for.
enum class PortProblem {
    None,
    BadChoice,    // the choice itself is wrong: an unknown back end, a bad load model text
    Unavailable,  // a real port was asked for and could not be opened or used
};

// The back end that drives the instrument for this run, with what the window caption and status
// line show about it. Simulated data must never pass for measured data: the description of the
// simulated instrument always starts with "simulated".
struct OpenedPort {
    std::unique_ptr<PortIo> port;  // never null after OpenPort
    QString description;           // e.g. "parallel port /dev/parport0 (0x378)"
    bool simulated = true;
    // Empty when the requested back end opened; else what went wrong and how to fix it (the
    // port then is the simulator, or, for an unknown choice, nothing was opened but the
    // simulator stands in so the program still runs).
    QString problem;
    PortProblem problemKind = PortProblem::None;
};

// Opens the back end named by `choice`:
//   "sim" or "sim:MODEL"      the simulated instrument (MODEL as in ParseLoadModel, e.g.
//                             "sim:rlc:r=50,l=1.2u,c=100p"; default: the dipole near 14.2 MHz),
//                             with options after ';' as ParseSimulator reads them (e.g.
//                             "sim:dipole:7.1;line=rg58:20;noise=2", "sim;noise=3")
//   "ppdev" or "ppdev:/dev/parportN"  Linux ppdev, the port at Address1 or the given device
//   "direct"                  Linux ioperm/outb/inb at Address1 (root or CAP_SYS_RAWIO)
//   "inpout"                  Windows only: the inpout32/inpoutx64 DLL at Address1
//   ""                        automatic: Address1 0 means the simulator; else the real port at
//                             Address1, falling back to the simulator with `problem` set
// The choice is matched without regard to case of the back-end name. Never throws.
OpenedPort OpenPort(const QString& choice, std::int16_t address1);
// The same, with measurement noise on the simulated instrument (also when it stands in).
OpenedPort OpenPort(const QString& choice, std::int16_t address1, SimulatedNoise noise);

// Opens `choice` as OpenPort does; when that fails, asks `continueOnSimulator` (given the
// problem) whether the simulator may stand in. Yes gives the simulator with `problem` and its
// kind kept, so the window can keep the reason in sight; no gives a null port.
OpenedPort OpenPortOrSimulator(
    const QString& choice, std::int16_t address1,
    const std::function<bool(const QString& problem)>& continueOnSimulator);

}  // namespace ravemo
