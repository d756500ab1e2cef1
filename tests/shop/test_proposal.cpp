// Haggling through the shop window, with a clock that waits at once: the checks, the lights,
// the verdicts, and what may still be confirmed after each event; the dialogs' close boxes.
#include "shopkit.h"

#include "common/clock.h"
#include "equipment/equip.h"

namespace {

const QColor red(255, 0, 0), green(0, 255, 0);

QString lightsNow() {
    QString shown;
    for (int light = 1; light <= 7; ++light) {
        const QColor color = transaction().lights[light]->color();
        shown += color == red ? u'R' : color == green ? u'G' : u'-';
    }
    return shown;
}

void propose(const QString& quantity, const QString& proposal) {
    transaction().quantite->setText(quantity);
    transaction().hprop->setText(proposal);
    transaction().proposer->click();
}

} // namespace

class TestProposal : public QObject, private ShopFixture {
    Q_OBJECT
    QList<double> waits;
    QStringList seen; // the lights at each wait

private slots:
    void init() {
        start();
        waits.clear();
        seen.clear();
        appclock::setSpinWait([this](double seconds) {
            waits << seconds;
            seen << lightsNow();
        });
    }
    void cleanup() { stop(); }

    void lights() {
        buy("pot", "Philtre");
        const QStringList timeline{"RRRRRRR", "GRRRRRR", "GGRRRRR", "GGGRRRR",
                                   "GGGGRRR", "GGGGGRR", "GGGGGGR", "GGGGGGG"};
        for (double interval : {0.7, 0.1}) {
            waits.clear();
            seen.clear();
            propose("2", "1");
            QCOMPARE(waits, QList<double>(8, interval));
            QCOMPARE(seen, timeline);
            QCOMPARE(lightsNow(), QStringLiteral("-------"));
        }
        QCOMPARE(transaction().num->caption(), QStringLiteral("2"));
    }

    void verdicts_data() {
        QTest::addColumn<bool>("selling");
        QTest::addColumn<QStringList>("quantities");
        QTest::addColumn<QStringList>("proposals");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("vprop");
        QTest::newRow("buying") << false << QStringList{"2", "2"} << QStringList{"21", "21.45"}
                                << QStringList{"Pas assez !", " D'accord !"} << "22";
        QTest::newRow("later proposal keeps the first threshold")
            << false << QStringList{"2", "1"} << QStringList{"21", "11"}
            << QStringList{"Pas assez !", "Pas assez !"} << "";
        QTest::newRow("quantity not a number")
            << false << QStringList{"abc"} << QStringList{"0"} << QStringList{" D'accord !"} << "0";
        QTest::newRow("selling") << true << QStringList{"1", "1"} << QStringList{"9.3", "9.225"}
                                 << QStringList{"Trop cher !", " D'accord !"} << "9";
    }
    void verdicts() {
        QFETCH(bool, selling);
        QFETCH(QStringList, quantities);
        QFETCH(QStringList, proposals);
        QFETCH(QStringList, answers);
        QFETCH(QString, vprop);
        if (selling) {
            equip().equip[2]->setText("Philtre");
            transaction().vente->setValue(true);
            select("Philtre");
        } else {
            buy("pot", "Philtre");
        }
        for (int i = 0; i < proposals.size(); ++i) {
            propose(quantities[i], proposals[i]);
            QCOMPARE(transaction().reponse->caption(), answers[i]);
            QCOMPARE(transaction().bouton->isEnabled(), answers[i] == " D'accord !");
        }
        QCOMPARE(transaction().vprop->caption(), vprop);
        QCOMPARE(transaction().c->caption(), QStringLiteral("0.1"));
        QCOMPARE(messages().count(), 0);
    }

    // Nothing is weighed, no light turns and the deal is not counted.
    void missingInputs_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("proposal");
        QTest::addColumn<QString>("message");
        const QString both = "Renseignez une quantité et faites une proposition !";
        QTest::newRow("both") << "Philtre"
                              << ""
                              << "" << both;
        QTest::newRow("no quantity") << "Philtre"
                                     << ""
                                     << "5"
                                     << "Renseignez une quantité !";
        QTest::newRow("no proposal") << "Philtre"
                                     << "2"
                                     << ""
                                     << "Faites une proposition !";
        QTest::newRow("negative proposal") << "Philtre"
                                           << "2"
                                           << "-5"
                                           << "Faites une proposition !";
        QTest::newRow("negative, no quantity") << "Philtre"
                                               << ""
                                               << "-1" << both;
        QTest::newRow("no item") << ""
                                 << "2"
                                 << "5"
                                 << "Choisissez un objet dans la liste !";
        QTest::newRow("unknown unit") << "Corde"
                                      << "2"
                                      << "5"
                                      << "Unité de prix inconnue !";
    }
    void missingInputs() {
        QFETCH(QString, entry);
        QFETCH(QString, quantity);
        QFETCH(QString, proposal);
        QFETCH(QString, message);
        if (!entry.isEmpty()) buy(entry == "Corde" ? "equ" : "pot", entry);
        propose(quantity, proposal);
        QCOMPARE(messages().texts(), QStringList{message});
        QCOMPARE(messages().last().title, QString());
        QCOMPARE(messages().last().icon, entry == "Corde" ? MsgIcon::Exclamation : MsgIcon::None);
        QVERIFY(waits.isEmpty());
        QCOMPARE(transaction().num->caption(), QStringLiteral("0"));
    }

    // An agreement stands only until something touches the deal.
    void confirmation_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("stands");
        for (const char* event : {"another entry", "failed entry", "kind", "sale mode", "car ok",
                                  "car close box", "refused", "quantity", "proposal"})
            QTest::newRow(event) << event << false;
        for (const char* event : {"agreed again", "total caption", "details"})
            QTest::newRow(event) << event << true;
    }
    void confirmation() {
        QFETCH(QString, event);
        QFETCH(bool, stands);
        buy("arm", "Hache");
        propose("1", "9");
        QVERIFY(transaction().bouton->isEnabled());
        Transaction& shop = transaction();
        if (event == "another entry") select("Epée");
        if (event == "failed entry") select("Dague");
        if (event == "kind") shop.choix[kindOf("pot")]->setValue(true);
        if (event == "sale mode") shop.vente->setValue(true);
        if (event == "car ok") car().ok->click();
        if (event == "car close box") car().close();
        if (event == "refused") propose("1", "1");
        if (event == "quantity") shop.quantite->setText("2");
        if (event == "proposal") shop.hprop->setText("90");
        if (event == "agreed again") propose("1", "10");
        if (event == "total caption") QTest::mouseClick(shop.Label4, Qt::LeftButton);
        if (event == "details") shop.infos->click();
        QCOMPARE(shop.bouton->isEnabled(), stands);
    }

    void dialogsCloseBoxes() {
        // The merchant keeps his character; closing his dialog starts a new deal.
        shopMerchant(8);
        car().close();
        QVERIFY(forms::isLoaded<Car>() && !car().isVisible());
        QCOMPARE(car().Slider->value(), 8);
        QCOMPARE(transaction().num->caption(), QStringLiteral("0"));

        // The detail window keeps its record, and its height follows its frame.
        buy("pot", "Philtre");
        const int tall = detail().height();
        buy("arm", "Epée");
        const int shortHeight = detail().height();
        QVERIFY(shortHeight < tall);
        transaction().infos->click();
        detail().close();
        QVERIFY(forms::isLoaded<Detail>() && !detail().isVisible());
        transaction().infos->click();
        QVERIFY(detail().isVisible() && detail().cadres[1]->isVisible());
        QCOMPARE(boxText("farmnom"), QStringLiteral("Epée"));
        transaction().choix[kindOf("poi")]->setValue(true);
        QCOMPARE(detail().height(), tall);
        transaction().choix[kindOf("liv")]->setValue(true);
        QCOMPARE(detail().height(), shortHeight);
        QVERIFY(detail().ok->height() >= detail().cadres[12]->height());
    }

private:
    void shopMerchant(int character) {
        transaction().caract->click();
        QVERIFY(car().isVisible());
        car().Slider->setValue(character);
        propose("1", "1");
    }
};

QTEST_MAIN(TestProposal)
#include "test_proposal.moc"
