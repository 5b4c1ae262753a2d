// Every column caption of the axis, curve and statistics pages, in both shipped languages, is
// drawn whole inside its box and at the same size as its neighbours.

#include "components/label/label.h"
#include "tests/configurator/window/wiring_fixture.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>

namespace {

const char* const Languages[] = {"English", "Russian"};

// The window's upright captions: the axis table's and four of the curve table's.
const char* const AxisCaptions[] = {
    "lbl_osi_name",     "lbl_osi_filter",   "lbl_osi_invert",   "lbl_osi_acal",
    "lbl_osi_ldz",      "lbl_osi_cdz",      "lbl_osi_hdz",      "lbl_osi_ddz",
    "lbl_osi_acal_min", "lbl_osi_acal_cnt", "lbl_osi_acal_max", "lbl_osi_prcsn",
    "lbl_osi_specfunc", "lbl_osi_ms_step",  "osi_btn_decr",     "osi_btn_rcnt",
    "osi_btn_incr",     "osi_value",        "osi_value_pr",     "lbl_link_error"};
const char* const CurveCaptions[] = {"lbl_osi_curve_s", "osi_zoom_1", "osi_devis_1", "osi_redct_1"};
// Captions written across their columns.
const char* const FlatCaptions[] = {"lbl_curves",      "lbl_joy_osi_raw", "lbl_joy_osi_min",
                                    "lbl_joy_osi_max", "lbl_joy_osi_stp", "lbl_joy_osi_fps"};

constexpr QRgb Paper = 0xFF000080;

// A caption's pixels drawn on its own over a plain paper, in its box's coordinates.
QImage Drawn(QWidget* caption) {
    QImage image(caption->size(), QImage::Format_RGB32);
    image.fill(Paper);
    caption->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Paper)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The lines the caption's words fill on a line of the given length, laid out by Qt's own
// word wrap (which never breaks a word): their widest line and their total height.
QSize Wrapped(const QFont& font, const QString& text, int lineLength) {
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, lineLength, 1 << 20), Qt::TextWordWrap | Qt::AlignHCenter, text)
        .size();
}

class ColumnCaptionsTest : public WiringTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        for (const char* language : Languages) {
            const QString file = QString::fromLatin1(language) + QStringLiteral(".lng");
            ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_PROGRAM_DIR "/") + file, Path(file)));
        }
        WriteSettings({QString::fromLatin1(GetParam())});
        Open();
        ASSERT_FALSE(form->State().LngStrings.lines().isEmpty());
    }

    std::vector<TWkLabel*> Upright() {
        std::vector<TWkLabel*> labels;
        for (const char* name : AxisCaptions)
            labels.push_back(Find<TWkLabel>(name));
        for (const char* name : CurveCaptions)
            labels.push_back(Find<TWkLabel>(name));
        return labels;
    }
};

// The three unnamed captions of the axis table keep their design texts.
TEST_P(ColumnCaptionsTest, TheWindowHasItsTwentySevenUprightLabels) {
    const QList<TWkLabel*> all = form->findChildren<TWkLabel*>();
    ASSERT_EQ(all.size(), 27);
    int bottom = 0;
    int wordEllipsis = 0;
    for (const TWkLabel* label : all) {
        EXPECT_EQ(label->Angle(), 90);
        EXPECT_EQ(label->Alignment(), taCenter);
        EXPECT_FALSE(label->AutoSize());
        EXPECT_TRUE(label->Transparent());
        EXPECT_TRUE(label->WordWrap());
        EXPECT_EQ(label->Provider(), nullptr);
        bottom += label->Layout() == tlBottom;
        wordEllipsis += label->TextEllipsis() == teWordEllipsis;
    }
    EXPECT_EQ(bottom, 23);
    EXPECT_EQ(wordEllipsis, 4);
}

TEST_P(ColumnCaptionsTest, UprightCaptionsAreWholeInsideTheirBoxes) {
    for (TWkLabel* label : Upright()) {
        const QString name = label->objectName();
        const QString caption = label->Caption();
        ASSERT_FALSE(caption.isEmpty()) << name.toStdString();
        const QFont font = label->font();
        // Every word fits the box's height, every line fits side by side in its width.
        const QSize lines = Wrapped(font, caption, label->height() - 2);
        EXPECT_LE(lines.width(), label->height() - 2) << name.toStdString();
        EXPECT_LE(lines.height(), label->width() - 2) << name.toStdString();

        // Drawn: nothing touches the box's edge, and the text runs its full length.
        const QImage image = Drawn(label);
        const QRect ink = InkBox(image);
        ASSERT_FALSE(ink.isEmpty()) << name.toStdString();
        EXPECT_TRUE(image.rect().adjusted(1, 1, -1, -1).contains(ink)) << name.toStdString();
        EXPECT_GE(ink.height(), lines.width() - 4) << name.toStdString();
        EXPECT_LE(ink.height(), lines.width() + 1) << name.toStdString();
    }
}

// Every caption is drawn in its page's font: none shrinks to fit.
TEST_P(ColumnCaptionsTest, NoCaptionIsDrawnSmallerThanItsNeighbours) {
    std::vector<QWidget*> captions;
    for (TWkLabel* label : Upright())
        captions.push_back(label);
    for (const char* name : FlatCaptions)
        captions.push_back(Find<QLabel>(name));
    for (QWidget* caption : captions) {
        const QFont pageFont = caption->parentWidget()->font();
        EXPECT_EQ(QFontInfo(caption->font()).pixelSize(), QFontInfo(pageFont).pixelSize())
            << caption->objectName().toStdString();
    }
    // Single-line captions of one page are drawn as tall as each other.
    int thickness = -1;
    for (const char* name : {"lbl_osi_filter", "lbl_osi_name", "lbl_osi_acal"}) {
        auto* label = Find<TWkLabel>(name);
        const QRect ink = InkBox(Drawn(label));
        EXPECT_NEAR(ink.height(), QFontMetrics(label->font()).horizontalAdvance(label->Caption()),
                    2)
            << name;
        if (thickness < 0)
            thickness = QFontMetrics(label->font()).height();
        EXPECT_LE(ink.width(), thickness) << name;
        EXPECT_GE(ink.width(), thickness / 2) << name;
    }
}

TEST_P(ColumnCaptionsTest, FlatCaptionsFitTheirBoxes) {
    for (const char* name : FlatCaptions) {
        auto* label = Find<QLabel>(name);
        const QRect room = label->contentsRect();
        const QSize lines = Wrapped(label->font(), label->text(), room.width());
        EXPECT_LE(lines.width(), room.width()) << name;
        EXPECT_LE(lines.height(), room.height()) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, ColumnCaptionsTest, ::testing::ValuesIn(Languages),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
