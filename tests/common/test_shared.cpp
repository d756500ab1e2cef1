#include "common/shared.h"

#include <QTest>

namespace {

// Every shared variable, as text, so that two states compare whole.
QStringList snapshot() {
    using namespace shared;
    QStringList all;
    for (long long n :
         {numfichier, compteur, longnom, typesaisie, choixrepertoire, delai, valeurapt})
        all << QString::number(n);
    for (bool flag : {enpause, modeextension, accepte})
        all << (flag ? QStringLiteral("True") : QStringLiteral("False"));
    all << repertoire << motif << nomcourant << cheminobjets << prixunite << unitemonnaie
        << poidsunite << nomobjet;
    for (const QString& line : objetligne)
        all << line;
    for (const QString& extension : extensions)
        all << extension;
    return all;
}

} // namespace

class TestShared : public QObject {
    Q_OBJECT
  private slots:
    // reset() brings back the start-up state after a run that touched everything.
    void resetRestoresTheStart() {
        const QStringList atStart = snapshot();
        using namespace shared;
        numfichier = 3;
        compteur = 40000; // beyond a 16-bit count
        longnom = 12;
        typesaisie = 12;
        choixrepertoire = 3;
        delai = 2;
        valeurapt = 5;
        enpause = modeextension = accepte = true;
        repertoire = QStringLiteral("C:\\objets\\");
        motif = QStringLiteral("*.arm");
        nomcourant = QStringLiteral("Epée");
        cheminobjets = QStringLiteral("C:\\objets\\");
        prixunite = QStringLiteral("12");
        unitemonnaie = QStringLiteral("PA");
        poidsunite = QStringLiteral("3");
        nomobjet = QStringLiteral("Corde");
        objetligne.fill(QStringLiteral("ligne"));
        extensions.fill(QStringLiteral(".arm"));
        QVERIFY(snapshot() != atStart);

        shared::reset();
        QCOMPARE(snapshot(), atStart);
        QCOMPARE(compteur, 0LL);
        QVERIFY(motif.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestShared)
#include "test_shared.moc"
