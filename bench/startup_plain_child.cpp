// A plain Qt window of the configurator's size, built from standard controls only, ending once
// it is painted: the floor for a window that holds this many controls. Its arguments are the
// numbers of combo boxes, line edits, spin boxes, labels, check boxes and push buttons; with
// "--bare" it shows an empty window of the same size instead.
#include "bench/startup_signal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int WindowWidth = 1175;
constexpr int WindowHeight = 694;
constexpr int TabPages = 8;
constexpr int ComboItems = 24;
constexpr int GridRows = 65;
constexpr int GridColumns = 6;
constexpr int CellWidth = 60;
constexpr int CellHeight = 22;

QStringList ComboItemTexts() {
    QStringList items;
    for (int item = 0; item < ComboItems; ++item)
        items << QString::number(item);
    return items;
}

QTableWidget* MakeTable(QWidget* page, int x) {
    auto* table = new QTableWidget(GridRows, GridColumns, page);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column)
            table->setItem(row, column, new QTableWidgetItem(QString::number(row * column)));
    }
    table->setGeometry(x, 400, 500, 200);
    return table;
}

// Lays the controls out page by page in rows, as a designed window places them.
class PlainWindow {
public:
    explicit PlainWindow(QWidget& window) : tabs_(new QTabWidget(&window)) {
        tabs_->setGeometry(0, 0, WindowWidth, WindowHeight);
        for (int page = 0; page < TabPages; ++page) {
            pages_.push_back(new QWidget);
            tabs_->addTab(pages_.back(), QStringLiteral("Page %1").arg(page + 1));
        }
        MakeTable(pages_[0], 10);
        MakeTable(pages_[1], 10);
    }

    void Add(int count, const std::function<QWidget*(QWidget* page, int index)>& make) {
        for (int index = 0; index < count; ++index) {
            QWidget* page = pages_[placed_ % TabPages];
            const int slot = placed_ / TabPages;
            QWidget* control = make(page, index);
            control->setGeometry(5 + (slot % 18) * (CellWidth + 4),
                                 5 + (slot / 18) * (CellHeight + 4), CellWidth, CellHeight);
            ++placed_;
        }
    }

private:
    QTabWidget* tabs_;
    std::vector<QWidget*> pages_;
    int placed_ = 0;
};

void BuildControls(QWidget& window, const std::array<int, 6>& counts) {
    PlainWindow plain(window);
    const QStringList items = ComboItemTexts();
    plain.Add(counts[0], [&](QWidget* page, int) {
        auto* combo = new QComboBox(page);
        combo->addItems(items);
        return combo;
    });
    plain.Add(counts[1],
              [](QWidget* page, int index) { return new QLineEdit(QString::number(index), page); });
    plain.Add(counts[2], [](QWidget* page, int) {
        auto* spin = new QSpinBox(page);
        spin->setRange(0, 255);
        return spin;
    });
    plain.Add(counts[3], [](QWidget* page, int index) {
        return new QLabel(QStringLiteral("Label %1").arg(index), page);
    });
    plain.Add(counts[4], [](QWidget* page, int index) {
        return new QCheckBox(QStringLiteral("Box %1").arg(index), page);
    });
    plain.Add(counts[5], [](QWidget* page, int index) {
        return new QPushButton(QStringLiteral("Button %1").arg(index), page);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    std::array<int, 6> counts{};
    if (!bare) {
        if (argc != 1 + int(counts.size()))
            return 2;
        for (std::size_t kind = 0; kind < counts.size(); ++kind)
            counts[kind] = std::atoi(argv[1 + kind]);
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Plain window"));
    window.setFixedSize(WindowWidth, WindowHeight);
    if (!bare)
        BuildControls(window, counts);
    ReportFirstPaint(window);
    window.show();
    return app.exec();
}
