// The program measured by scripts/bench, built from the same library as `ambrefer`:
//   ambrefer_bench startup              time from process start to the hero sheet painted,
//                                       and the widgets the start-up created, by kind
//   ambrefer_bench listing N NAMESFILE  a catalogue of N item files, then the "Tout" filter
//                                       after the first one, timed; the names listed are
//                                       written to NAMESFILE for the floor
// Drive C: is the folder AMBREFER_DRIVE_C names; the script gives each run a fresh one.
#include "app/startup.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "measure.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Base classes in the order a widget is counted: the first it inherits names its kind.
const char* const kinds[] = {"QComboBox",    "QLineEdit", "QPlainTextEdit", "QPushButton",
                             "QRadioButton", "QCheckBox", "QLabel",         "QGroupBox",
                             "QMenuBar",     "QMenu"};

QString kindOf(const QWidget* widget) {
    for (const char* kind : kinds)
        if (widget->inherits(kind)) return QString::fromLatin1(kind);
    return QStringLiteral("QWidget");
}

// "QLineEdit=12,QLabel=3" for the widgets of shown windows, then the same for hidden ones.
QString widgetCounts(bool shownWindows) {
    std::map<QString, int> counts;
    for (const QWidget* widget : QApplication::allWidgets())
        if (widget->window()->isVisible() == shownWindows) ++counts[kindOf(widget)];
    QStringList parts;
    for (const auto& [kind, count] : counts)
        parts << QStringLiteral("%1=%2").arg(kind).arg(count);
    return parts.join(u',');
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// N item files of every kind, names of mixed case and accents as a user's catalogue holds.
void writeCatalogue(int count) {
    const QString drive = qEnvironmentVariable("AMBREFER_DRIVE_C");
    QDir(drive).mkpath(QStringLiteral("objets"));
    writeFile(drive + QStringLiteral("/objets.ini"), "C:\\objets\\\r\n");
    const QStringList syllables = {"ar", "bé", "Cor", "da", "é",  "Fla", "gue", "hô",  "il",
                                   "Ja", "ké", "lo",  "Mæ", "nu", "œ",   "pi",  "qua", "Ré",
                                   "su", "te", "ü",   "va", "xi", "Yé",  "zo",  " "};
    const QStringList extensions = {".arm", ".ard", ".mun", ".pro", ".pla", ".pot",
                                    ".poi", ".liv", ".hab", ".prv", ".equ", ".BIJ"};
    quint32 seed = 20;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < count; ++i) {
        QString name;
        const int length = 2 + int(next() >> 29);
        for (int s = 0; s < length; ++s)
            name += syllables[int((next() >> 8) % syllables.size())];
        name = name.trimmed() + QString::number(i);
        const QString fileName = name + extensions[i % extensions.size()];
        writeFile(drive + QStringLiteral("/objets/") + fileName,
                  (name + QStringLiteral("\r\n1\r\n2\r\n3\r\n")).toUtf8());
    }
}

QStringList listOf(const ComboBox* box) {
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    return names;
}

void writeNames(const QString& path, const QStringList& names) {
    writeFile(path, names.join(u'\n').toUtf8());
}

void startup() {
    bench::onFirstPaint([](const QWidget* window) { return window->objectName() == u"perso"; },
                        [] {
                            const double ms = bench::msSinceProcessStart();
                            bench::finish(QString::asprintf("startup_ms=%.2f\n", ms) + u"shown="_s +
                                          widgetCounts(true) + u"\nhidden="_s +
                                          widgetCounts(false) + u'\n');
                        });
    startProgram();
}

[[noreturn]] void listing(int count, const QString& namesFile) {
    writeCatalogue(count);
    startProgram();
    Equip& sheet = equip();
    sheet.show();
    QApplication::processEvents();

    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        sheet.Option[1]->setValue(true);
        QApplication::processEvents();
        if (round == 0) writeNames(namesFile + u".before"_s, listOf(sheet.equip[1]));
        const bench::Stopwatch watch;
        sheet.Option[4]->setValue(true);
        QApplication::processEvents();
        times.push_back(watch.ms());
    }
    writeNames(namesFile, listOf(sheet.equip[1]));
    bench::finishListing(times, sheet.equip[1]->count());
}

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, "ambrefer_bench startup | listing N NAMESFILE",
                      [](const QStringList& args) {
                          if (args.size() == 2 && args[1] == u"startup") {
                              startup();
                              return 0;
                          }
                          if (args.size() == 4 && args[1] == u"listing")
                              listing(args[2].toInt(), args[3]);
                          return 2;
                      });
}
