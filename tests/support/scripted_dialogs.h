#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <vector>

#include "dialogs.h"

namespace testing_support {

// A dialogs service for tests: it records every message and file dialog instead of showing it, and answers
// from a script. Boxes with only an OK button need no answer; a question (Yes/Não) takes the next answer from
// the queue, and a save dialog the next file name and type (by default the type the dialog opened with). A question or save dialog with nothing left in its queue
// fails the test: the code under test asked something the test did not expect.
class ScriptedDialogs : public quelva::Dialogs {
public:
    struct Message {
        QWidget* parent;
        QString text;
        Icon icon;
        Buttons buttons;
        QString title;
        bool defaultNo;
    };
    struct SaveDialog {
        QString title;
        QString suggestedName;
        QStringList filters;
        QString selectedFilterName;
    };

    void answer(Answer reply) { answers_.push_back(reply); }
    // `filter` empty: the user leaves the type the dialog opened with.
    void chooseFile(const QString& name, const QString& filter = QString()) { files_.push_back({name, filter}); }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<SaveDialog>& saveDialogs() const { return saveDialogs_; }
    // Answers scripted but not yet asked for.
    std::size_t answersLeft() const { return answers_.size() + files_.size(); }

    Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& title,
                      bool defaultNo = false) override {
        messages_.push_back({parent, text, icon, buttons, title, defaultNo});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return Answer::No;
        }
        Answer r = answers_.front();
        answers_.pop_front();
        return r;
    }

    SaveChoice saveFile(QWidget*, const QString& title, const QString& suggestedName, const QStringList& filters,
                             const QString& selectedFilter) override {
        saveDialogs_.push_back({title, suggestedName, filters, selectedFilter});
        if (files_.empty()) {
            ADD_FAILURE() << "unexpected save dialog: " << title.toStdString();
            return {};
        }
        SaveChoice choice = files_.front();
        files_.pop_front();
        if (choice.filter.isEmpty()) choice.filter = selectedFilter;
        return choice;
    }

    // An open dialog takes the next name of the same queue as a save dialog, and is recorded with them.
    QString openFile(QWidget* parent, const QString& title, const QString& folder, const QStringList& filters) override {
        return saveFile(parent, title, folder, filters, QString()).file;
    }

private:
    std::deque<Answer> answers_;
    std::deque<SaveChoice> files_;
    std::vector<Message> messages_;
    std::vector<SaveDialog> saveDialogs_;
};

}  // namespace testing_support
