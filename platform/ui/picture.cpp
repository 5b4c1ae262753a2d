#include "platform/ui/picture.h"

#include "platform/ui/graphic_signature.h"
#include "platform/ui/jpeg_image.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

namespace {

struct FormatRegistry {
    std::vector<TFileFormat> files;
    std::vector<TClipboardFormat> clipboard;
};

FormatRegistry& registry() {
    static FormatRegistry formats{{{"bmp", "Bitmaps", GraphicClassOf<TBitmap>()},
                                   {"ico", "Icons", GraphicClassOf<TIcon>()},
                                   {"jpg", "JPEG Image File", GraphicClassOf<TJPEGImage>()},
                                   {"jpeg", "JPEG Image File", GraphicClassOf<TJPEGImage>()}},
                                  {{ClipboardBitmapFormat, GraphicClassOf<TBitmap>()}}};
    return formats;
}

QString normalExtension(const QString& extension) {
    return (extension.startsWith('.') ? extension.mid(1) : extension).toLower();
}

// Class names in form streams are short strings.
constexpr int maxClassNameLength = 255;

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::take(std::unique_ptr<TGraphic> value) {
    graphic = std::move(value);
    if (graphic)
        graphic->OnChange = [this](TGraphic&) {
            changed();
        };
    changed();
}

void TPicture::changed() {
    if (OnChange)
        OnChange(*this);
}

void TPicture::SetGraphic(const TGraphic* value) {
    if (value == nullptr) {
        take(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = value->ClassType()->Create();
    copy->Assign(value);
    take(std::move(copy));
}

TBitmap& TPicture::Bitmap() {
    if (dynamic_cast<TBitmap*>(graphic.get()) == nullptr)
        take(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*graphic);
}

TIcon& TPicture::Icon() {
    if (dynamic_cast<TIcon*>(graphic.get()) == nullptr)
        take(std::make_unique<TIcon>());
    return static_cast<TIcon&>(*graphic);
}

void TPicture::LoadFromFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    TGraphicClass graphicClass = GraphicClassOfExtension(extension);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    if (graphicClass == nullptr)
        graphicClass = FindGraphicClass(file);
    if (graphicClass == nullptr)
        throw EInvalidGraphic(
            QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    std::unique_ptr<TGraphic> loaded = graphicClass->Create();
    loaded->LoadFromStream(file);
    take(std::move(loaded));
}

void TPicture::SaveToFile(const QString& fileName) const {
    if (graphic)
        graphic->SaveToFile(fileName);
}

void TPicture::LoadFromStream(QIODevice& stream) {
    const TGraphicClass graphicClass = FindGraphicClass(stream);
    if (graphicClass == nullptr)
        throw EInvalidGraphic(QStringLiteral("Unknown picture format"));
    std::unique_ptr<TGraphic> loaded = graphicClass->Create();
    loaded->LoadFromStream(stream);
    take(std::move(loaded));
}

void TPicture::SaveToStream(QIODevice& stream) const {
    if (graphic)
        graphic->SaveToStream(stream);
}

void TPicture::LoadFromClipboardFormat(const QMimeData& data, const QString& format) {
    const TGraphicClass graphicClass = GraphicClassOfClipboardFormat(format);
    if (graphicClass == nullptr)
        throw EInvalidGraphic(QStringLiteral("Unsupported clipboard format"));
    std::unique_ptr<TGraphic> loaded = graphicClass->Create();
    loaded->LoadFromClipboardFormat(data, format);
    take(std::move(loaded));
}

void TPicture::SaveToClipboardFormat(QMimeData& data) const {
    if (graphic)
        graphic->SaveToClipboardFormat(data);
}

bool TPicture::SupportsClipboardFormat(const QString& format) {
    return GraphicClassOfClipboardFormat(format) != nullptr;
}

void TPicture::ReadData(QIODevice& stream) {
    char length = 0;
    if (!stream.getChar(&length))
        throw EInvalidGraphic(QStringLiteral("Stream read error"));
    const QByteArray name = stream.read(static_cast<unsigned char>(length));
    if (name.size() != static_cast<unsigned char>(length))
        throw EInvalidGraphic(QStringLiteral("Stream read error"));
    if (name.isEmpty()) {
        take(nullptr);
        return;
    }
    const TGraphicClass graphicClass = GraphicClassByName(QString::fromLatin1(name));
    if (graphicClass == nullptr)
        throw EInvalidGraphic(
            QStringLiteral("Unknown picture class %1").arg(QString::fromLatin1(name)));
    std::unique_ptr<TGraphic> loaded = graphicClass->Create();
    loaded->ReadData(stream);
    take(std::move(loaded));
}

void TPicture::WriteData(QIODevice& stream) const {
    const QByteArray name = graphic ? QByteArray(graphic->ClassType()->Name) : QByteArray();
    stream.putChar(static_cast<char>(std::min<qsizetype>(name.size(), maxClassNameLength)));
    stream.write(name.left(maxClassNameLength));
    if (graphic)
        graphic->WriteData(stream);
}

void TPicture::Assign(const TPicture* source) {
    SetGraphic(source ? source->Graphic() : nullptr);
}

void TPicture::RegisterFileFormat(const QString& extension, const QString& description,
                                  TGraphicClass graphicClass) {
    auto& files = registry().files;
    const QString key = normalExtension(extension);
    std::erase_if(files, [&](const TFileFormat& f) { return f.Extension == key; });
    files.push_back({key, description, graphicClass});
}

void TPicture::RegisterClipboardFormat(const QString& format, TGraphicClass graphicClass) {
    auto& clipboard = registry().clipboard;
    std::erase_if(clipboard, [&](const TClipboardFormat& f) { return f.Format == format; });
    clipboard.push_back({format, graphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass) {
    std::erase_if(registry().files,
                  [&](const TFileFormat& f) { return f.GraphicClass == graphicClass; });
    std::erase_if(registry().clipboard,
                  [&](const TClipboardFormat& f) { return f.GraphicClass == graphicClass; });
}

std::vector<TFileFormat> TPicture::FileFormats() {
    return registry().files;
}

TGraphicClass TPicture::GraphicClassOfExtension(const QString& extension) {
    const QString key = normalExtension(extension);
    for (const TFileFormat& f : registry().files)
        if (f.Extension == key)
            return f.GraphicClass;
    return nullptr;
}

TGraphicClass TPicture::GraphicClassOfClipboardFormat(const QString& format) {
    for (const TClipboardFormat& f : registry().clipboard)
        if (f.Format == format)
            return f.GraphicClass;
    return nullptr;
}

TGraphicClass TPicture::GraphicClassByName(const QString& name) {
    for (TGraphicClass builtIn :
         {GraphicClassOf<TBitmap>(), GraphicClassOf<TIcon>(), GraphicClassOf<TJPEGImage>()})
        if (name == QLatin1String(builtIn->Name))
            return builtIn;
    for (const TFileFormat& f : registry().files)
        if (name == QLatin1String(f.GraphicClass->Name))
            return f.GraphicClass;
    for (const TClipboardFormat& f : registry().clipboard)
        if (name == QLatin1String(f.GraphicClass->Name))
            return f.GraphicClass;
    return nullptr;
}
