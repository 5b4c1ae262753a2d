#include "configurator/files/language_captions.h"
#include "tests/configurator/files/numbered_language.h"
#include "tests/configurator/files/numbered_language_captions.h"
#include "tests/configurator/files/qt_print.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

TEST(LanguageCaptions, EveryCaptionRoleTakesItsLine) {
    const QList<LanguageCaption> captions = languageCaptions(numberedLanguage());
    ASSERT_EQ(captions.size(), static_cast<qsizetype>(std::size(NumberedLanguageCaptions)));
    for (const ExpectedCaption& expected : NumberedLanguageCaptions) {
        const auto found = std::find_if(captions.begin(), captions.end(), [&](const auto& c) {
            return c.objectName == QLatin1String(expected.objectName);
        });
        ASSERT_NE(found, captions.end()) << expected.objectName;
        EXPECT_EQ(found->text, QLatin1String(expected.text)) << expected.objectName;
    }
}

TEST(LanguageCaptions, GridHeadersAndRowLabels) {
    const LanguageLines lines = numberedLanguage();
    EXPECT_EQ(buttonGridHeaders(lines, true),
              QStringList({"L78", "L134", "L136", "L132", "L133 L138", "L133 L139"}));
    EXPECT_EQ(buttonGridHeaders(lines, false),
              QStringList({"L151", "L134", "L136", "L132", "L133 L138", "L133 L139"}));
    EXPECT_EQ(buttonGridRowLabel(lines, 1), "L135 1");
    EXPECT_EQ(buttonGridRowLabel(lines, 64), "L135 64");
}

TEST(LanguageCaptions, AppliesToTabsGroupsButtonsAndLabels) {
    QWidget root;
    auto* pages = new QTabWidget(&root);
    auto* tabOsi = new QWidget;
    tabOsi->setObjectName("TabOSI");
    pages->addTab(tabOsi, "design");
    auto* tabSf = new QWidget;
    tabSf->setObjectName("TabOSI_SF");
    pages->addTab(tabSf, "design");
    auto* group = new QGroupBox("design", &root);
    group->setObjectName("grp_main");
    auto* button = new QPushButton("design", group);
    button->setObjectName("btnRead_MK");
    auto* check = new QCheckBox("design", tabOsi);
    check->setObjectName("hat_2_on");
    auto* label = new QLabel("design", tabOsi);
    label->setObjectName("lbl_osi_acal_min");
    auto* untouched = new QLabel("design", tabOsi);
    untouched->setObjectName("joy_uptime");

    applyLanguageCaptions([&root](const QString& name) { return root.findChild<QWidget*>(name); },
                          languageCaptions(numberedLanguage()));

    EXPECT_EQ(pages->tabText(0), "L28");
    EXPECT_EQ(pages->tabText(1), "L28 (L119)");
    EXPECT_EQ(group->title(), "L2");
    EXPECT_EQ(button->text(), "L3");
    EXPECT_EQ(check->text(), "L23 2");
    EXPECT_EQ(label->text(), "L146");
    EXPECT_EQ(untouched->text(), "design");
}

} // namespace
