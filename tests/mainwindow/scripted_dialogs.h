#pragma once

// Dialog answers given in advance, so that no test waits on a modal dialog.

#include <deque>
#include <stdexcept>
#include <string>

#include "framework/dialogs.h"
#include "framework/error_box.h"

struct Script {
    std::deque<std::optional<QString>> apri, salva, esporta;
    std::deque<bool> answers;
    std::vector<int> apri_filters;
    std::vector<QString> apri_names, questions, esporta_shown;
    int salva_shown = 0;
};

// The next scripted answer; a dialog nobody scripted fails the test instead of waiting.
template <class T>
T next_answer(std::deque<T>& answers, const char* what) {
    if (answers.empty()) throw std::logic_error(std::string("unexpected ") + what);
    T r = answers.front();
    answers.pop_front();
    return r;
}

class ScriptedDialogs : public FileDialogs {
public:
    explicit ScriptedDialogs(Script& s) : s_(s) {}
    std::optional<QString> apri(int filter_index, const QString& file_name) override {
        s_.apri_filters.push_back(filter_index);
        s_.apri_names.push_back(file_name);
        return next_answer(s_.apri, "open dialog");
    }
    std::optional<QString> salva() override {
        ++s_.salva_shown;
        return next_answer(s_.salva, "save dialog");
    }
    std::optional<QString> esporta(const QString& title, const QString& filter, const QString& suffix) override {
        s_.esporta_shown.push_back(title + "|" + filter + "|" + suffix);
        return next_answer(s_.esporta, "export dialog");
    }

private:
    Script& s_;
};

class ScriptedQuestion : public YesNoQuestion {
public:
    explicit ScriptedQuestion(Script& s) : s_(s) {}
    bool ask(const QString& caption, const QString& text) override {
        s_.questions.push_back(caption + "|" + text);
        return next_answer(s_.answers, "question");
    }

private:
    Script& s_;
};

class RecordingErrorBox : public ErrorBox {
public:
    void show_error(const QString& m) override { messages.push_back(m); }
    std::vector<QString> messages;
};
