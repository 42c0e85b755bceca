#pragma once

#include <deque>
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <QString>

#include "ui/WindowDialogs.h"

namespace ravemo::test {

// Every window's dialogs answered from one script: the file dialogs take the queued answers in
// turn, the questions get `yes`, the messages are recorded. A dialog with no answer queued, a
// message the test did not take, or an answer left unused fails the test: no dialog passes
// unnoticed.
class ScriptedDialogs final : public WindowDialogs {
  public:
    ~ScriptedDialogs() override {
        EXPECT_TRUE(files_.empty()) << files_.size() << " file dialog answers left unused";
        EXPECT_TRUE(messages_.empty()) << "unexpected message: " << messages_.front().toStdString();
    }
    // The next file dialog accepts `fileName` with the entry `filterIndex` (0: as preselected).
    void accept(const QString& fileName, int filterIndex = 0) {
        files_.push_back({true, fileName, filterIndex});
    }
    void cancel() { files_.push_back({false, {}, 0}); }
    // The messages shown since the last call, in order.
    std::vector<QString> takeMessages() { return std::exchange(messages_, {}); }
    bool yes = false;
    std::vector<QString> questions;
    std::vector<QString> filters;  // the filter list of each file dialog shown

    std::unique_ptr<FileDialog> makeFileDialog(QWidget*) override {
        return std::make_unique<File>(*this);
    }
    std::unique_ptr<MessageReporter> makeReporter(QWidget*) override {
        return std::make_unique<Reporter>(*this);
    }

  private:
    struct Answer {
        bool accept;
        QString fileName;
        int filterIndex;
    };
    class File final : public FileDialog {
      public:
        explicit File(ScriptedDialogs& script) : script_(script) {}
        void setFilter(const QString& filter) override { filter_ = filter; }
        void setFilterIndex(int oneBasedIndex) override { index_ = oneBasedIndex; }
        int filterIndex() const override { return index_; }
        QString fileName() const override { return name_; }
        bool showOpen() override { return show(); }
        bool showSave() override { return show(); }

      private:
        bool show() {
            script_.filters.push_back(filter_);
            if (script_.files_.empty()) {
                ADD_FAILURE() << "unexpected file dialog: " << filter_.toStdString();
                return false;
            }
            const Answer answer = script_.files_.front();
            script_.files_.pop_front();
            if (!answer.accept) return false;
            name_ = answer.fileName;
            if (answer.filterIndex != 0) index_ = answer.filterIndex;
            return true;
        }
        ScriptedDialogs& script_;
        QString filter_;
        int index_ = 1;
        QString name_;
    };
    class Reporter final : public MessageReporter {
      public:
        explicit Reporter(ScriptedDialogs& script) : script_(script) {}
        void reportError(const QString&, const QString& text) override {
            script_.messages_.push_back(text);
        }
        bool askYesNo(const QString&, const QString& text) override {
            script_.questions.push_back(text);
            return script_.yes;
        }

      private:
        ScriptedDialogs& script_;
    };

    std::deque<Answer> files_;
    std::vector<QString> messages_;
};

}  // namespace ravemo::test
