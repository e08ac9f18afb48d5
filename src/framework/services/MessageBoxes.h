#pragma once

#include <QString>

namespace vt {

// Standard message boxes, by the flags the windows use.
namespace Box {
constexpr int Ok = 0x00;
constexpr int YesNo = 0x04;
constexpr int IconError = 0x10;
constexpr int IconExclamation = 0x30;
constexpr int IconInformation = 0x40;

constexpr int AnswerOk = 1;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;

// The answer of a box left without a choice: No to a question, OK to a message.
constexpr int unanswered(int flags) { return (flags & 0x0F) == YesNo ? AnswerNo : AnswerOk; }
} // namespace Box

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box (a nested event loop runs while it waits) and returns the button pressed. Once
    // closed, shows nothing and answers at once, No or OK.
    int show(const QString& text, const QString& caption, int flags) {
        return closed ? Box::unanswered(flags) : ask(text, caption, flags);
    }
    // The session is ending: from now on nothing asks the user anything.
    void close() { closed = true; }
    bool isClosed() const { return closed; }

protected:
    virtual int ask(const QString& text, const QString& caption, int flags) = 0;

private:
    bool closed = false;
};

} // namespace vt
