#pragma once

#include <QQueue>
#include <QStringList>
#include <functional>

#include "core/messages.h"

// Records every message and answers system message boxes from a queue (then the default).
class ScriptedMessages : public core::MessageService {
  public:
    struct Asked {
        QString caption;
        QString text;
        Buttons buttons;
    };

    void info(const QString& text) override {
        infos << text;
        if (onInfo) onInfo(text);
    }
    Answer ask(const QString& caption, const QString& text, Buttons buttons, bool) override {
        asked.push_back({caption, text, buttons});
        if (onAsk) onAsk(caption, text);
        return answers.isEmpty() ? defaultAnswer : answers.dequeue();
    }
    void reportError(const QString& text) override { errors << text; }

    QStringList infos;
    QList<Asked> asked;
    QStringList errors;
    QQueue<Answer> answers;
    Answer defaultAnswer = Answer::Ok;
    std::function<void(const QString&)> onInfo;  // e.g. to act while the message is "open"
    std::function<void(const QString& caption, const QString& text)> onAsk;
};
