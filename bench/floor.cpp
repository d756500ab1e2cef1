// The bare Qt floors scripts/bench compares the program with:
//   ambrefer_floor startup SHOWN HIDDEN   the same count of widgets of each kind as the
//                                         program's start-up ("QLineEdit=12,QLabel=3"), those
//                                         of shown windows in one shown window; time from
//                                         process start to its first paint
//   ambrefer_floor listing NAMESFILE      24 plain combo boxes holding the names of
//                                         NAMESFILE.before, emptied and filled with addItems
//                                         of NAMESFILE's names, timed
#include "measure.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace {

QWidget* make(const QString& kind, QWidget* parent) {
    if (kind == u"QComboBox") return new QComboBox(parent);
    if (kind == u"QLineEdit") return new QLineEdit(QStringLiteral("12"), parent);
    if (kind == u"QPlainTextEdit") return new QPlainTextEdit(parent);
    if (kind == u"QPushButton") return new QPushButton(QStringLiteral("Bouton"), parent);
    if (kind == u"QRadioButton") return new QRadioButton(QStringLiteral("Option"), parent);
    if (kind == u"QCheckBox") return new QCheckBox(QStringLiteral("Case"), parent);
    if (kind == u"QLabel") return new QLabel(QStringLiteral("Libellé"), parent);
    if (kind == u"QGroupBox") return new QGroupBox(QStringLiteral("Cadre"), parent);
    if (kind == u"QMenuBar") return new QMenuBar(parent);
    if (kind == u"QMenu") return new QMenu(parent);
    return new QWidget(parent);
}

// A window holding the counted widgets in a grid, forty to a column.
QWidget* windowOf(const QString& counts) {
    auto* window = new QWidget;
    auto* grid = new QGridLayout(window);
    grid->setSpacing(1);
    int placed = 0;
    for (const QString& part : counts.split(u',', Qt::SkipEmptyParts)) {
        const QString kind = part.section(u'=', 0, 0);
        const int count = part.section(u'=', 1, 1).toInt();
        for (int i = 0; i < count; ++i, ++placed) {
            QWidget* widget = make(kind, window);
            if (kind != u"QMenu") grid->addWidget(widget, placed % 40, placed / 40);
        }
    }
    return window;
}

QStringList namesIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void startup(const QString& shown, const QString& hidden) {
    QWidget* window = windowOf(shown);
    windowOf(hidden); // made and never shown, as the program's other windows
    bench::onFirstPaint(
        [window](const QWidget* painted) { return painted == window; },
        [] {
            bench::finish(QString::asprintf("startup_ms=%.2f\n", bench::msSinceProcessStart()));
        });
    window->show();
}

[[noreturn]] void listing(const QString& namesFile) {
    const QStringList before = namesIn(namesFile + QStringLiteral(".before"));
    const QStringList names = namesIn(namesFile);
    QWidget window;
    auto* grid = new QGridLayout(&window);
    std::vector<QComboBox*> lines;
    for (int i = 0; i < 24; ++i) {
        lines.push_back(new QComboBox(&window));
        grid->addWidget(lines.back(), i % 12, i / 12);
    }
    window.show();
    QApplication::processEvents();

    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        for (QComboBox* line : lines) {
            line->clear();
            line->addItems(before);
        }
        QApplication::processEvents();
        const bench::Stopwatch watch;
        for (QComboBox* line : lines) {
            line->clear();
            line->addItems(names);
        }
        QApplication::processEvents();
        times.push_back(watch.ms());
    }
    bench::finishListing(times, lines[0]->count());
}

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, "ambrefer_floor startup SHOWN HIDDEN | listing NAMESFILE",
                      [](const QStringList& args) {
                          if (args.size() == 4 && args[1] == u"startup") {
                              startup(args[2], args[3]);
                              return 0;
                          }
                          if (args.size() == 3 && args[1] == u"listing") listing(args[2]);
                          return 2;
                      });
}
