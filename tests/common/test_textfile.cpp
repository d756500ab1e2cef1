#include "common/cp1252.h"
#include "common/textfile.h"
#include "support/runtimeerrors.h"
#include "support/testenv.h"

#include <QDir>
#include <QTest>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum Situation { DiskFull, SizeLimit, FolderInPlace, ReadOnly };

// Runs `write` in a child process that sees `folder` as a RAM disk of 16 KiB of its own, and
// returns the `message` it left; "skip" when the system lets no such disk be made.
template <typename Write> QString onFullDisk(const QString& folder, Write write, QString& message) {
    int channel[2];
    if (pipe(channel) != 0) return "skip";
    if (fork() == 0) {
        const auto put = [](const char* file, const QByteArray& line) {
            QFile f(file);
            return f.open(QIODevice::WriteOnly) && f.write(line) == line.size();
        };
        const QByteArray uid = QByteArray::number(geteuid()), gid = QByteArray::number(getegid());
        const bool ready = unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 &&
                           put("/proc/self/setgroups", "deny") &&
                           put("/proc/self/uid_map", "0 " + uid + " 1") &&
                           put("/proc/self/gid_map", "0 " + gid + " 1") &&
                           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                           mount("tmpfs", QFile::encodeName(folder), "tmpfs", 0, "size=16k") == 0;
        if (ready) write();
        const QByteArray said = ready ? message.toUtf8() : "skip";
        _exit(::write(channel[1], said.constData(), said.size()) == said.size() ? 0 : 1);
    }
    close(channel[1]);
    QFile said;
    said.open(channel[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString text = QString::fromUtf8(said.readAll());
    wait(nullptr);
    return text;
}

// Runs `write` with files limited to 4 KiB, or as a user whom permissions bind (the superuser
// becomes nobody meanwhile, real and effective: the check for a writable file asks the real
// one).
template <typename Write> void limited(Situation situation, const QString& root, Write write) {
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{}, small{};
    getrlimit(RLIMIT_FSIZE, &previous);
    small = {4096, previous.rlim_max};
    const bool unprivileged = situation == ReadOnly && geteuid() == 0;
    for (const QString& folder : {root, root + "/heros"})
        if (unprivileged) QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
    if (situation == SizeLimit) setrlimit(RLIMIT_FSIZE, &small);
    if (unprivileged && setresuid(65534, 65534, 0) != 0) QFAIL("cannot become nobody");
    write();
    if (unprivileged && setresuid(0, 0, 0) != 0) QFAIL("cannot become the superuser again");
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void init() { drive_.emplace(TestDriveC::Setup::Nothing); }
    void cleanup() { drive_.reset(); }

    void encode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "Arn, 12" << QByteArray("Arn, 12");
        QTest::newRow("oe, euro, apostrophe") << "œ€’Œ" << QByteArray("\x9C\x80\x92\x8C");
        QTest::newRow("latin-1") << "Épée à ÿ" << QByteArray("\xC9p\xE9\x65 \xE0 \xFF");
        QTest::newRow("outside: CJK") << "a日b" << QByteArray("a?b");
        QTest::newRow("outside: beyond the BMP") << "x😀y" << QByteArray("x?y");
        QTest::newRow("outside: C1 control 80") << QString(QChar(0x80)) << QByteArray("?");
    }
    void encode() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp1252::encode(text), bytes);
    }

    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.mid(0x80, 1) + text.mid(0x92, 1) + text.mid(0x9C, 1), QString("€’œ"));
        QCOMPARE(cp1252::encode(text), all);
    }

    void decodeFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << QByteArray("P\xC3\xA9p\xC3\xA9") << "Pépé";
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFn\xC5\x93ud") << "nœud";
        QTest::newRow("cp1252") << QByteArray("\x9C\x80\x92") << "œ€’";
        QTest::newRow("cp1252 ending in a lead byte")
            << QByteArray("\xC9p\xE9\x65 p\xE9") << "Épée pé";
        QTest::newRow("cp1252 opening like utf-8") << QByteArray("\xC3\xA9t\xE9") << "Ã©té";
    }
    void decodeFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(cp1252::decodeFile(bytes), text);
    }

    void splitLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("LF") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("CR, no final end") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "a\r\n\r\nb\n\r" << QStringList{"a", "", "b", ""};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("one empty line") << "\r\n" << QStringList{""};
    }
    void splitLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(cp1252::splitLines(text), lines);
    }

    void writesCodePageWithCrLfAndReadsItBack() {
        TextOutput out("C:\\heros\\..\\Arn.af");
        for (const char* line : {"Arn l’Œil", "", "12 €, œuf"})
            out.printLine(line);
        out.commit();
        QCOMPARE(drive_->read("Arn.af"), QByteArray("Arn l\x92\x8Cil\r\n\r\n12 \x80, \x9Cuf\r\n"));
        TextInput in("c:\\ARN.AF");
        QCOMPARE(in.lineInput(), QString("Arn l’Œil"));
        QCOMPARE(in.lineInput(), QString());
        QCOMPARE(in.lineInput(), QString("12 €, œuf"));
        QVERIFY(in.eof());
    }

    void brokenFixtures_data() {
        QTest::addColumn<QString>("path"); // C: holds "deux.txt" (2 lines), "vide.txt", "heros\"
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("error");
        QTest::newRow("whole file read") << "C:\\deux.txt" << 2 << 0;
        QTest::newRow("short file") << "C:\\deux.txt" << 3 << 62;
        QTest::newRow("empty file") << "C:\\vide.txt" << 1 << 62;
        QTest::newRow("missing file") << "C:\\absent.txt" << 0 << 53;
        QTest::newRow("missing folder") << "C:\\absent\\a.txt" << 0 << 76;
        QTest::newRow("file used as folder") << "C:\\deux.txt\\a.txt" << 0 << 76;
        QTest::newRow("folder opened as file") << "C:\\heros" << 0 << 75;
        QTest::newRow("other drive") << "D:\\a.txt" << 0 << 68;
        QTest::newRow("empty name") << "" << 0 << 52;
        for (const char* bad : {"*", "?", "\"", "<", ">", "|"})
            QTest::addRow("name with %s", bad) << QString("C:\\a%1.txt").arg(bad) << 0 << 52;
    }
    void brokenFixtures() {
        QFETCH(QString, path);
        QFETCH(int, reads);
        QFETCH(int, error);
        drive_->write("deux.txt", "un\r\ndeux\r\n");
        drive_->write("vide.txt", "");
        QDir(drive_->root()).mkpath("heros");
        const auto readLines = [&] {
            TextInput in(path);
            for (int i = 0; i < reads; ++i)
                in.lineInput();
        };
        const auto readFields = [&] {
            TextInput in(path);
            for (int i = 0; i < reads; ++i)
                in.input();
        };
        QCOMPARE(errorOf(readLines), error);
        QCOMPARE(errorOf(readFields), error);
    }

    void unreadableFileIsAccessError() {
        QFile::setPermissions(drive_->write("heros/secret.txt", "x"), QFileDevice::WriteOwner);
        QString message;
        limited(ReadOnly, drive_->root(),
                [&] { message = messageOf([] { TextInput in("C:\\heros\\secret.txt"); }); });
        QCOMPARE(message, "Erreur d'accès au chemin/fichier\r\nC:\\heros\\secret.txt\r\n"
                          "Permission refusée");
    }

    void fields_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain") << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("blanks around")
            << QByteArray("  lead ,\ttrail  \n") << QStringList{"lead", "trail"};
        QTest::newRow("quoted comma")
            << QByteArray("\"Dupont, Jean\",12\r\n") << QStringList{"Dupont, Jean", "12"};
        QTest::newRow("after the quote to the comma")
            << QByteArray("\" x \" reste,y\r\n") << QStringList{" x ", "y"};
        QTest::newRow("after the quote to the line end")
            << QByteArray("\"x\" reste\r\nz\r\n") << QStringList{"x", "z"};
        QTest::newRow("unclosed quote")
            << QByteArray("\"a, b\r\nz\r\n") << QStringList{"a, b", "z"};
        QTest::newRow("empty fields and line")
            << QByteArray(",x,\r\n\r\n") << QStringList{"", "x", "", ""};
        QTest::newRow("folder file")
            << QByteArray("c:\\objets\\\r\n") << QStringList{"c:\\objets\\"};
    }
    void fields() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        drive_->write("champs.txt", bytes);
        TextInput in("C:\\champs.txt");
        QStringList read;
        while (!in.eof())
            read.append(in.input());
        QCOMPARE(read, fields);
        QCOMPARE(errorOf([&] { in.input(); }), 62);
    }

    void wholeLinesKeepCommasAndQuotes() {
        drive_->write("objets.ini", "c:\\objets\\,\"reste\", encore\r\n\"Épée, longue\"\r\n");
        TextInput in("C:\\objets.ini");
        QCOMPARE(in.input(), QString("c:\\objets\\"));
        QCOMPARE(in.lineInput(), QString("\"reste\", encore"));
        QCOMPARE(in.lineInput(), QString("\"Épée, longue\""));
    }

    void replaceAppendAndCommit() {
        drive_->write("resultat.txt", "ancien\r\n");
        {
            TextOutput out("C:\\resultat.txt", TextOutput::Mode::Append);
            out.printLine("ajout");
            out.commit();
            QCOMPARE(drive_->read("resultat.txt"), QByteArray("ancien\r\najout\r\n"));
        }
        {
            TextOutput out("C:\\resultat.txt");
            out.printLine("un");
            QCOMPARE(drive_->read("resultat.txt"), QByteArray("ancien\r\najout\r\n"));
            out.commit();
            out.printLine("deux");
            out.commit();
        }
        QCOMPARE(drive_->read("resultat.txt"), QByteArray("un\r\ndeux\r\n"));
        TextOutput fresh("C:\\fuite.txt", TextOutput::Mode::Append);
        fresh.commit();
        QVERIFY(QFileInfo::exists(drive_->root() + "/fuite.txt"));
    }

    // What the user reads when a file cannot be opened: the description, the file, and the
    // reason when the system gives one; reading fails alike in a missing folder. "C:\note" is a
    // plain file.
    void openFails_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        const char *gone = "Fichier ou dossier introuvable",
                   *notFolder = "Un fichier porte le nom d'un dossier du chemin";
        QTest::newRow("missing folder") << "C:\\absent\\Arn.af" << 76 << gone;
        QTest::newRow("folder is a file") << "C:\\note\\Arn.af" << 76 << notFolder;
        QTest::newRow("folder under a file") << "C:\\note\\sous\\Arn.af" << 76 << notFolder;
        QTest::newRow("folder in the way") << "C:\\heros" << 75 << "Un dossier porte ce nom";
        QTest::newRow("forbidden character") << "C:\\heros\\Arn?.af" << 52 << "";
    }
    void openFails() {
        QFETCH(QString, path);
        QFETCH(int, error);
        QFETCH(QString, reason);
        QDir(drive_->root()).mkpath("heros");
        drive_->write("note", "x");
        QStringList lines{RuntimeError::describe(error), path, reason};
        lines.removeAll(QString());
        QCOMPARE(messageOf([&] { TextOutput out(path); }), lines.join("\r\n"));
        if (error == 76) QCOMPARE(messageOf([&] { TextInput in(path); }), lines.join("\r\n"));
    }

    void failedCommitLeavesFolderAsItWas_data() {
        QTest::addColumn<bool>("folderInTheWay"); // else the folder goes away
        QTest::addColumn<int>("error");
        QTest::newRow("target became a folder") << true << 75;
        QTest::newRow("folder removed") << false << 76;
    }
    void failedCommitLeavesFolderAsItWas() {
        QFETCH(bool, folderInTheWay);
        QFETCH(int, error);
        drive_->write("heros/garde.txt", "garde");
        TextOutput out("C:\\heros\\Arn.af");
        out.printLine("Arn");
        if (folderInTheWay)
            drive_->write("heros/Arn.af/dedans.txt", "dedans");
        else
            QDir(drive_->root()).rename("heros", "ailleurs");
        QCOMPARE(errorOf([&] { out.commit(); }), error);
        const QString folder = drive_->root() + (folderInTheWay ? "/heros" : "/ailleurs");
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"garde.txt"});
        QCOMPARE(QFileInfo::exists(drive_->root() + "/heros/Arn.af/dedans.txt"), folderInTheWay);
    }

    // A failed write says what failed, under the description: the file, then the system's
    // reason. The old file stays whole.
    void failedWriteSaysWhy_data() {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << int(DiskFull) << "Disque plein";
        QTest::newRow("size limit") << int(SizeLimit) << "Fichier trop volumineux";
        QTest::newRow("folder in the file's place") << int(FolderInPlace) << "Un dossier porte ce nom";
        QTest::newRow("read-only file") << int(ReadOnly) << "Permission refusée";
    }
    void failedWriteSaysWhy() {
        QFETCH(int, situation);
        QFETCH(QString, reason);
        const QByteArray old = "Arn\r\n12\r\n";
        QDir(drive_->root()).mkpath("heros");
        if (situation != FolderInPlace) drive_->write("heros/Arn.af", old);
        if (situation == ReadOnly)
            QFile::setPermissions(drive_->root() + "/heros/Arn.af", QFileDevice::ReadOwner);
        QString message;
        const auto save = [&] {
            TextOutput out("c:\\heros\\Arn.af");
            for (int i = 0; i < 4000; ++i)
                out.printLine("une ligne assez longue pour remplir");
            if (situation == FolderInPlace) QDir(drive_->root()).mkpath("heros/Arn.af");
            message = messageOf([&] { out.commit(); });
        };
        if (situation == DiskFull) message = onFullDisk(drive_->root() + "/heros", save, message);
        if (message == "skip") QSKIP("no RAM disk of its own can be made here");
        if (situation != DiskFull) limited(Situation(situation), drive_->root(), save);
        QCOMPARE(message, "Erreur d'accès au chemin/fichier\r\nC:\\heros\\Arn.af\r\n" + reason);
        if (situation != FolderInPlace) QCOMPARE(drive_->read("heros/Arn.af"), old);
    }

    void freeFileCountsOpenOutputs() {
        drive_->write("lu.txt", "x\r\n");
        TextInput in("C:\\lu.txt");
        QCOMPARE(freeFile(), 1);
        {
            TextOutput report("C:\\resultat.txt");
            TextOutput other("C:\\autre.txt");
            QCOMPARE(freeFile(), 3);
        }
        QCOMPARE(errorOf([] { TextOutput failed("C:\\absent\\x.txt"); }), 76);
        QCOMPARE(freeFile(), 1);
    }

private:
    std::optional<TestDriveC> drive_;
};

QTEST_APPLESS_MAIN(TestTextFile)
#include "test_textfile.moc"
