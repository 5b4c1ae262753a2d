#pragma once
// A holder of one graphic of any registered class, and the process-wide registry of picture
// formats: by file extension (with a description), by clipboard format (a MIME type) and by
// class name for form streams. Bitmaps (bmp), icons (ico) and JPEG pictures (jpg, jpeg) are
// known from the start; other formats register at their unit's start-up.

#include "platform/ui/bitmap.h"
#include "platform/ui/graphic.h"
#include "platform/ui/icon.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QMimeData;

struct TFileFormat {
    QString Extension; // lower case, without the dot
    QString Description;
    TGraphicClass GraphicClass;
};

struct TClipboardFormat {
    QString Format; // MIME type
    TGraphicClass GraphicClass;
};

class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // The graphic held, or nullptr.
    TGraphic* Graphic() const { return graphic.get(); }
    // Holds a copy of value (a new graphic of its class assigned from it); nullptr clears.
    void SetGraphic(const TGraphic* value);
    // The graphic as a bitmap or icon; any other graphic is first replaced by an empty one.
    TBitmap& Bitmap();
    TIcon& Icon();
    int Width() const { return graphic ? graphic->Width() : 0; }
    int Height() const { return graphic ? graphic->Height() : 0; }

    // Picks the class by the file's extension, else by its first bytes; raises EInvalidGraphic
    // "Unknown picture file extension (.ext)" when neither is known. On any failure the
    // picture keeps what it held.
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;
    // Picks the class by the stream's first bytes; raises EInvalidGraphic "Unknown picture
    // format" when no signature matches.
    void LoadFromStream(QIODevice& stream);
    void SaveToStream(QIODevice& stream) const;
    // Raises EInvalidGraphic "Unsupported clipboard format" for an unregistered format.
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format);
    void SaveToClipboardFormat(QMimeData& data) const;
    static bool SupportsClipboardFormat(const QString& format);

    // Form-stream form: the class name as a length-prefixed 8-bit string (empty: no graphic),
    // then the graphic's own ReadData/WriteData form. An unknown class name raises
    // EInvalidGraphic "Unknown picture class NAME".
    void ReadData(QIODevice& stream);
    void WriteData(QIODevice& stream) const;

    void Assign(const TPicture* source);

    // Called after the picture or the graphic it holds changed.
    std::function<void(TPicture&)> OnChange;

    // A later registration of an extension replaces the earlier one.
    static void RegisterFileFormat(const QString& extension, const QString& description,
                                   TGraphicClass graphicClass);
    static void RegisterClipboardFormat(const QString& format, TGraphicClass graphicClass);
    // Forgets every extension and clipboard format of the class.
    static void UnregisterGraphicClass(TGraphicClass graphicClass);
    static std::vector<TFileFormat> FileFormats();
    // nullptr when unknown. Extensions match without regard to case, with or without a dot.
    static TGraphicClass GraphicClassOfExtension(const QString& extension);
    static TGraphicClass GraphicClassOfClipboardFormat(const QString& format);
    // Registered classes and the built-in ones, by TGraphicClassInfo::Name.
    static TGraphicClass GraphicClassByName(const QString& name);

private:
    void take(std::unique_ptr<TGraphic> value);
    void changed();

    std::unique_ptr<TGraphic> graphic;
};
