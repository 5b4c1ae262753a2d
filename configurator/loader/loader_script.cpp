#include "configurator/loader/loader_script.h"

#include <array>
#include <vector>

namespace {

struct Placeholder {
    QLatin1String name;
    QString LoaderValues::*value;
};

const std::array<Placeholder, 4> Placeholders = {{
    {QLatin1String("$CHIP$"), &LoaderValues::chip},
    {QLatin1String("$FILE$"), &LoaderValues::file},
    {QLatin1String("$PORT$"), &LoaderValues::port},
    {QLatin1String("$PATH$"), &LoaderValues::path},
}};

bool hasLineBreak(const QString& value) {
    return value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
}

// Where the shell stands at a point of a command line: the quotes and substitutions opened and
// not yet closed, innermost last. Text in "$( )", "( )" and backquotes is a command of its own.
class ShellQuoting {
public:
    enum class Context { Bare, Single, Double, Command, Backquote, Parameter };

    // Follows line from position, one character or pair of characters; returns how many were
    // taken.
    qsizetype step(const QString& line, qsizetype position);

    // value written so that the shell reads it as exactly the value here.
    QString write(const QString& value) const;

private:
    Context top() const { return open_.empty() ? Context::Bare : open_.back(); }
    // A quote that both opens and closes its context.
    void toggle(Context context) {
        if (top() == context)
            open_.pop_back();
        else
            open_.push_back(context);
    }
    // Inside "${ }" the text is quoted as the text around the braces.
    bool doubleQuoted() const;

    std::vector<Context> open_;
};

qsizetype ShellQuoting::step(const QString& line, qsizetype position) {
    const QChar c = line.at(position);
    const QChar next = position + 1 < line.size() ? line.at(position + 1) : QChar();
    const Context context = top();
    if (context == Context::Single) {
        if (c == QLatin1Char('\''))
            open_.pop_back();
        return 1;
    }
    if (c == QLatin1Char('\\'))
        return next.isNull() ? 1 : 2;
    if (c == QLatin1Char('$') && next == QLatin1Char('(')) {
        open_.push_back(Context::Command);
        return 2;
    }
    if (c == QLatin1Char('$') && next == QLatin1Char('{')) {
        open_.push_back(Context::Parameter);
        return 2;
    }
    if (c == QLatin1Char('`')) {
        toggle(Context::Backquote);
        return 1;
    }
    if (c == QLatin1Char('"')) {
        toggle(Context::Double);
        return 1;
    }
    if (context == Context::Double)
        return 1;
    if (c == QLatin1Char('\''))
        open_.push_back(Context::Single);
    else if (c == QLatin1Char('('))
        open_.push_back(Context::Command);
    else if ((c == QLatin1Char(')') && context == Context::Command) ||
             (c == QLatin1Char('}') && context == Context::Parameter))
        open_.pop_back();
    return 1;
}

bool ShellQuoting::doubleQuoted() const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
        if (*it != Context::Parameter)
            return *it == Context::Double;
    }
    return false;
}

// text with a backslash before each of the characters in special.
QString backslashed(const QString& text, const QString& special) {
    QString escaped;
    for (QChar c : text) {
        if (special.contains(c))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

// The value leaves the quotes it stands in, follows as a backslash-escaped word and opens them
// again, so it stays one piece of the quoted text. Should the quoting above be misread, every
// character the shell could act on is still behind a backslash.
QString ShellQuoting::write(const QString& value) const {
    QString written = shellWord(value);
    if (top() == Context::Single)
        written = QLatin1Char('\'') + written + QLatin1Char('\'');
    else if (top() == Context::Double)
        written = QLatin1Char('"') + written + QLatin1Char('"');
    else if (top() == Context::Parameter && doubleQuoted()) {
        // Inside "${name:-word}" a backslash escapes only $ ` " and itself.
        written = backslashed(value, QStringLiteral("$`\"\\"));
    }
    // Backquotes take one backslash off before $ ` and \ each time they are read.
    for (Context context : open_) {
        if (context != Context::Backquote)
            continue;
        written = backslashed(written, QStringLiteral("$`\\"));
    }
    return written;
}

bool plainWordCharacter(QChar c) {
    if (c.unicode() > 127)
        return c.isLetterOrNumber();
    return c.isLetterOrNumber() || QStringLiteral("_./:,+=@%-").contains(c);
}

} // namespace

QString shellWord(const QString& value) {
    if (value.isEmpty())
        return QStringLiteral("''");
    QString word;
    for (QChar c : value) {
        if (!plainWordCharacter(c))
            word += QLatin1Char('\\');
        word += c;
    }
    return word;
}

QString substituteLoaderLine(const QString& line, const LoaderValues& values) {
    QString result;
    ShellQuoting quoting;
    qsizetype position = 0;
    while (position < line.size()) {
        const Placeholder* found = nullptr;
        for (const Placeholder& placeholder : Placeholders) {
            if (QStringView(line).mid(position).startsWith(placeholder.name, Qt::CaseInsensitive)) {
                found = &placeholder;
                break;
            }
        }
        if (found) {
            result += quoting.write(values.*(found->value));
            position += found->name.size();
        } else {
            const qsizetype taken = quoting.step(line, position);
            result += line.mid(position, taken);
            position += taken;
        }
    }
    return result;
}

std::optional<QString> valueWithLineBreak(const LoaderValues& values) {
    if (hasLineBreak(values.chip))
        return QStringLiteral("chip");
    if (hasLineBreak(values.file))
        return QStringLiteral("firmware file");
    if (hasLineBreak(values.port))
        return QStringLiteral("port");
    if (hasLineBreak(values.path))
        return QStringLiteral("loader folder");
    return std::nullopt;
}

QStringList loaderScriptLines(const QStringList& templateLines, const LoaderValues& values) {
    return {substituteLoaderLine(templateLines.value(0), values),
            substituteLoaderLine(templateLines.value(1), values)};
}
