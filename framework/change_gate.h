#pragma once

#include <QString>

// Tells a field's real text changes made by the user from the program's fills and
// from notifications that leave the text as it was.
class ChangeGate {
public:
    // Runs the program's own text change; nothing it causes counts as the user's.
    template <class SetText>
    void fill(SetText&& set_text)
    {
        filling_ = true;
        set_text();
        filling_ = false;
    }

    // Call with the field's text whenever it may have changed; true for a user change.
    bool passes(const QString& now)
    {
        if (now == last_)
            return false;
        last_ = now;
        return !filling_;
    }

    const QString& last() const { return last_; }

private:
    QString last_;
    bool filling_ = false;
};
