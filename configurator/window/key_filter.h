#pragma once
// Keeps only the typed characters a predicate accepts (Backspace always), swallows every other
// typed character, and reports each typed key afterwards. Keys that type no printable character
// (arrows, Tab, Return, Escape, Delete, shortcuts) pass untouched and are not reported.

#include <QObject>
#include <functional>

class KeyFilter final : public QObject {
public:
    using Accepts = bool (*)(QChar key);

    // Filters the keys typed into watched; afterKey runs once per typed key, kept or not.
    static void Install(QObject* watched, Accepts accepts, std::function<void()> afterKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QObject* parent, Accepts accepts, std::function<void()> afterKey);

    Accepts accepts_;
    std::function<void()> afterKey_;
};
