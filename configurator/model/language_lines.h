#pragma once
// The lines of one language file, addressed by their 1-based line number. Texts the model needs
// (item lists, check messages) are taken from here, so the model does not depend on the window.

#include <QString>
#include <QStringList>
#include <utility>

class LanguageLines {
public:
    static constexpr int LineCount = 151;

    LanguageLines() = default;
    explicit LanguageLines(QStringList lines) : lines_(std::move(lines)) {}

    // The text of line number (1..LineCount); empty when the file had fewer lines.
    QString line(int number) const {
        return number >= 1 && number <= lines_.size() ? lines_[number - 1] : QString();
    }

    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};
