#pragma once
// The picture framework's base: a graphic knows its size, whether it is empty or transparent,
// draws itself on a canvas into a rectangle, loads and saves itself as a byte stream and as
// clipboard data, copies itself from other graphics, and tells its owner when it changes.
// Formats subclass TGraphic and make themselves known to TPicture's registry.

#include "platform/ui/canvas.h"

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

class QIODevice;
class QMimeData;
class TGraphic;

// A picture class as a value: its name (used by form streams) and how to make an empty one.
struct TGraphicClassInfo {
    const char* Name;
    std::unique_ptr<TGraphic> (*Create)();
};
using TGraphicClass = const TGraphicClassInfo*;

// The one class record of T, which declares `static constexpr const char* ClassName`.
template <class T> TGraphicClass GraphicClassOf() {
    static const TGraphicClassInfo info{T::ClassName, []() -> std::unique_ptr<TGraphic> {
                                            return std::make_unique<T>();
                                        }};
    return &info;
}

// Raised when picture data are malformed or cannot be read.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& Message() const { return text; }

private:
    QString text;
};

// Raised when a graphic is asked for something it cannot do (a size change, an assignment).
class EInvalidGraphicOperation : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// The silent abort: a progress handler raises it to stop a long picture operation. Nothing
// reports it to the user; the operation that catches it says what is kept.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

class TGraphic {
public:
    virtual ~TGraphic();
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual TGraphicClass ClassType() const = 0;
    QString ClassName() const { return QString::fromLatin1(ClassType()->Name); }

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Transparent() const { return transparent; }
    virtual void SetTransparent(bool value);

    // Draws the whole graphic stretched into r.
    virtual void Draw(TCanvas& canvas, const TRect& r) = 0;

    // Reads the graphic from the stream's position on; raises EInvalidGraphic on malformed data.
    virtual void LoadFromStream(QIODevice& stream) = 0;
    virtual void SaveToStream(QIODevice& stream) const = 0;
    // The same through a file; a file that cannot be opened raises EInvalidGraphic with its name.
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;

    // Clipboard data are MIME data; a clipboard format is a MIME type.
    virtual void LoadFromClipboardFormat(const QMimeData& data, const QString& format);
    virtual void SaveToClipboardFormat(QMimeData& data) const;

    // The form-stream form of the graphic; by default the same as the plain stream.
    virtual void ReadData(QIODevice& stream) { LoadFromStream(stream); }
    virtual void WriteData(QIODevice& stream) const { SaveToStream(stream); }

    // Copies source into this graphic: nullptr empties it; a graphic that cannot take the
    // source asks the source's AssignTo, which raises EInvalidGraphicOperation when neither
    // knows the other.
    virtual void Assign(const TGraphic* source);
    virtual void AssignTo(TGraphic& dest) const;

    bool Modified() const { return modified; }
    void SetModified(bool value);
    // Set when the colours a graphic draws with changed; the owner clears it after reading.
    bool PaletteModified() const { return paletteModified; }
    void SetPaletteModified(bool value) { paletteModified = value; }

    // Called after every change of content or size (not while a caller holds it detached).
    std::function<void(TGraphic&)> OnChange;

    // Marks the graphic modified and notifies OnChange.
    void Changed();

protected:
    TGraphic() = default;
    // Raised by Assign and AssignTo when the two graphics do not know each other.
    [[noreturn]] static void cannotAssign(const TGraphic* source, const TGraphic& dest);

private:
    bool transparent = false;
    bool modified = false;
    bool paletteModified = false;
};
