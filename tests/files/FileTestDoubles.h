#pragma once

#include <deque>
#include <vector>

#include <QString>

#include "files/ColourDialog.h"
#include "files/ColourTargets.h"
#include "files/FileCommandControls.h"
#include "files/FileDialog.h"
#include "files/MessageReporter.h"

namespace ravemo::testing {

// A file dialog that answers each show from a script and records what it was shown with.
class ScriptedFileDialog : public FileDialog {
  public:
    struct Answer {
        bool accept = true;
        QString fileName;
        int chosenFilterIndex = 0;  // 0: the user left the preselected entry
    };
    struct Shown {
        bool forSaving;
        QString filter;
        int filterIndex;
    };

    std::deque<Answer> answers;
    std::vector<Shown> shown;
    QString filter;
    int index = 1;
    QString name;

    void setFilter(const QString& f) override { filter = f; }
    void setFilterIndex(int i) override { index = i; }
    int filterIndex() const override { return index; }
    QString fileName() const override { return name; }
    bool showOpen() override { return show(false); }
    bool showSave() override { return show(true); }

  private:
    bool show(bool forSaving) {
        shown.push_back({forSaving, filter, index});
        const Answer answer = answers.front();
        answers.pop_front();
        if (!answer.accept) return false;
        name = answer.fileName;
        if (answer.chosenFilterIndex != 0) index = answer.chosenFilterIndex;
        return true;
    }
};

class FakeFileControls : public FileCommandControls {
  public:
    int hold = 0;
    std::vector<int> holdSets;
    int fullSweep = 0;
    QString lower = QStringLiteral("1");
    QString upper = QStringLiteral("50");

    int holdValue() const override { return hold; }
    void setHoldValue(int value) override {
        hold = value;
        holdSets.push_back(value);
    }
    void setFullSweepValue(int value) override { fullSweep = value; }
    QString lowerLimitText() const override { return lower; }
    QString upperLimitText() const override { return upper; }
    void setLowerLimitText(const QString& text) override { lower = text; }
    void setUpperLimitText(const QString& text) override { upper = text; }
};

class RecordingReporter : public MessageReporter {
  public:
    struct Message {
        QString title;
        QString text;
    };
    std::vector<Message> messages;
    void reportError(const QString& title, const QString& text) override {
        messages.push_back({title, text});
    }
};

class ScriptedColourDialog : public ColourDialog {
  public:
    std::deque<std::optional<std::uint32_t>> answers;
    int shows = 0;
    std::optional<std::uint32_t> pickColour() override {
        ++shows;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Records every recolouring in order, as "kind:target:colour".
class RecordingColourTargets : public ColourTargets {
  public:
    struct Call {
        char kind;  // 'L' label text, 'B' button background, 'M' marker line
        int target;
        std::uint32_t colour;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    void setLabelTextColour(ColourLabel label, std::uint32_t colour) override {
        calls.push_back({'L', static_cast<int>(label), colour});
    }
    void setButtonBackground(ColourButton button, std::uint32_t colour) override {
        calls.push_back({'B', static_cast<int>(button), colour});
    }
    void setMarkerLineColour(MarkerLine line, std::uint32_t colour) override {
        calls.push_back({'M', static_cast<int>(line), colour});
    }
};

}  // namespace ravemo::testing
