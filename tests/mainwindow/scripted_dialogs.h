#pragma once

// Dialog answers given in advance, so that no test waits on a modal dialog.

#include <deque>
#include <stdexcept>

#include "framework/dialogs.h"
#include "framework/error_box.h"

struct Script {
    std::deque<std::optional<QString>> apri, salva, esporta;
    std::deque<bool> answers;
    std::vector<int> apri_filters;
    std::vector<QString> apri_names, questions, esporta_shown;
    int salva_shown = 0;
};

class ScriptedDialogs : public FileDialogs {
public:
    explicit ScriptedDialogs(Script& s) : s_(s) {}
    std::optional<QString> apri(int filter_index, const QString& file_name) override {
        s_.apri_filters.push_back(filter_index);
        s_.apri_names.push_back(file_name);
        if (s_.apri.empty()) throw std::logic_error("unexpected open dialog");
        auto r = s_.apri.front();
        s_.apri.pop_front();
        return r;
    }
    std::optional<QString> salva() override {
        ++s_.salva_shown;
        if (s_.salva.empty()) throw std::logic_error("unexpected save dialog");
        auto r = s_.salva.front();
        s_.salva.pop_front();
        return r;
    }

    std::optional<QString> esporta(const QString& title, const QString& filter, const QString& suffix) override {
        s_.esporta_shown.push_back(title + "|" + filter + "|" + suffix);
        if (s_.esporta.empty()) throw std::logic_error("unexpected export dialog");
        auto r = s_.esporta.front();
        s_.esporta.pop_front();
        return r;
    }

private:
    Script& s_;
};

class ScriptedQuestion : public YesNoQuestion {
public:
    explicit ScriptedQuestion(Script& s) : s_(s) {}
    bool ask(const QString& caption, const QString& text) override {
        s_.questions.push_back(caption + "|" + text);
        bool r = s_.answers.front();
        s_.answers.pop_front();
        return r;
    }

private:
    Script& s_;
};

class RecordingErrorBox : public ErrorBox {
public:
    void show_error(const QString& m) override { messages.push_back(m); }
    std::vector<QString> messages;
};
