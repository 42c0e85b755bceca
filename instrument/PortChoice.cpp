#include "instrument/PortChoice.h"

#include "instrument/DipoleModel.h"
#include "instrument/DirectIoPort.h"
#include "instrument/LoadModelText.h"
#include "instrument/NameAndArgument.h"
#include "instrument/PpdevPort.h"
#include "instrument/SimulatedInstrument.h"
#include "instrument/SimulatorText.h"
#ifdef _WIN32
#include "instrument/InpoutPort.h"
#endif

namespace ravemo {
namespace {
constexpr const char* kAllowedChoices =
    "allowed: sim, sim:MODEL (e.g. sim:rlc:r=50,l=1.2u,c=100p), sim:MODEL;OPTION... (e.g. "
    "sim:dipole:7.1;line=rg58:20;noise=2), ppdev, ppdev:/dev/parportN, direct, inpout (Windows), "
    "or nothing for the port at Address1";

OpenedPort simulator(std::unique_ptr<LoadModel> model, std::uint16_t dataAddress,
                     SimulatedNoise noise, const BridgeErrors& bridge = {}, bool ideal = true) {
    OpenedPort opened;
    opened.description = QStringLiteral("simulated instrument (%1)").arg(model->description());
    if (!ideal) opened.description += QStringLiteral(" with bridge errors");
    if (noise.steps != 0.0) opened.description += QStringLiteral(" with noise");
    opened.port =
        std::make_unique<SimulatedInstrument>(std::move(model), dataAddress, noise, bridge);
    opened.simulated = true;
    return opened;
}

// The default simulator standing in for a port that could not be opened, or for a choice that
// names no back end.
OpenedPort fallback(const QString& problem, PortProblem kind, std::uint16_t dataAddress,
                    SimulatedNoise noise) {
    OpenedPort opened = simulator(std::make_unique<DipoleModel>(), dataAddress, noise);
    opened.problem = problem;
    opened.problemKind = kind;
    return opened;
}

OpenedPort unavailable(const QString& problem, std::uint16_t dataAddress, SimulatedNoise noise) {
    return fallback(problem, PortProblem::Unavailable, dataAddress, noise);
}

OpenedPort hardware(PortOpening opening, std::uint16_t dataAddress, SimulatedNoise noise) {
    if (!opening.port) return unavailable(opening.problem, dataAddress, noise);
    OpenedPort opened;
    opened.port = std::move(opening.port);
    opened.description = opening.description;
    opened.simulated = false;
    return opened;
}

QString noAddressProblem(const QString& backEnd) {
    return QStringLiteral(
               "Address1 is 0, which means no port: set Address1 to the port's "
               "address (e.g. 888 for 0x378) to use %1")
        .arg(backEnd);
}

OpenedPort openDefaultHardware(std::uint16_t dataAddress, SimulatedNoise noise) {
#ifdef _WIN32
    return hardware(InpoutPort::open(dataAddress), dataAddress, noise);
#else
    return hardware(PpdevPort::openAtAddress(dataAddress), dataAddress, noise);
#endif
}
}  // namespace

OpenedPort OpenPort(const QString& choice, std::int16_t address1) {
    return OpenPort(choice, address1, SimulatedNoise{});
}

OpenedPort OpenPort(const QString& choice, std::int16_t address1, SimulatedNoise noise) {
    const auto dataAddress = static_cast<std::uint16_t>(address1);
    // "sim;noise=2": the simulator's options may follow its name without a model.
    const qsizetype semicolon = choice.indexOf(u';');
    const QString options = semicolon < 0 ? QString() : choice.mid(semicolon);
    const auto [name, argument, colon] =
        SplitNameAndArgument(semicolon < 0 ? choice : choice.left(semicolon));
    if (!options.isEmpty() && name != QLatin1String("sim")) {
        return fallback(QStringLiteral("options after ';' are for the simulator only, in '%1'; %2")
                            .arg(choice.trimmed(), QLatin1String(kAllowedChoices)),
                        PortProblem::BadChoice, dataAddress, noise);
    }

    if (name.isEmpty() && !colon) {
        if (dataAddress == 0) return simulator(std::make_unique<DipoleModel>(), dataAddress, noise);
        return openDefaultHardware(dataAddress, noise);
    }
    if (name == QLatin1String("sim")) {
        ParsedSimulator parsed = ParseSimulator(argument + options);
        if (!parsed.model) {
            return fallback(parsed.error, PortProblem::BadChoice, dataAddress, noise);
        }
        return simulator(std::move(parsed.model), dataAddress, parsed.noiseOr(noise), parsed.bridge,
                         parsed.bridgeIsIdeal());
    }
    if (name == QLatin1String("ppdev")) {
        if (!argument.isEmpty()) {
            return hardware(PpdevPort::open(argument, dataAddress), dataAddress, noise);
        }
        if (dataAddress == 0) {
            return unavailable(noAddressProblem(QStringLiteral("ppdev")), 0, noise);
        }
        return hardware(PpdevPort::openAtAddress(dataAddress), dataAddress, noise);
    }
    if (name == QLatin1String("direct") && argument.isEmpty()) {
        if (dataAddress == 0) {
            return unavailable(noAddressProblem(QStringLiteral("direct I/O")), 0, noise);
        }
        return hardware(DirectIoPort::open(dataAddress), dataAddress, noise);
    }
    if (name == QLatin1String("inpout") && argument.isEmpty()) {
#ifdef _WIN32
        if (dataAddress == 0) {
            return unavailable(noAddressProblem(QStringLiteral("inpout")), 0, noise);
        }
        return hardware(InpoutPort::open(dataAddress), dataAddress, noise);
#else
        return unavailable(QStringLiteral("inpout exists only on Windows; on Linux use ppdev"),
                           dataAddress, noise);
#endif
    }
    return fallback(QStringLiteral("unknown port choice '%1'; %2")
                        .arg(choice.trimmed(), QLatin1String(kAllowedChoices)),
                    PortProblem::BadChoice, dataAddress, noise);
}

OpenedPort OpenPortOrSimulator(
    const QString& choice, std::int16_t address1,
    const std::function<bool(const QString& problem)>& continueOnSimulator) {
    OpenedPort opened = OpenPort(choice, address1);
    if (opened.problem.isEmpty()) return opened;
    if (!continueOnSimulator(opened.problem)) return {};
    if (opened.simulated && opened.port) return opened;
    OpenedPort standIn = OpenPort(QStringLiteral("sim"), address1);
    standIn.problem = opened.problem;
    standIn.problemKind = opened.problemKind;
    return standIn;
}

}  // namespace ravemo
