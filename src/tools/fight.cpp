#include "tools/fight.h"

#include "common/chance.h"
#include "common/clock.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "hero/perso.h"
#include "tools/chemin.h"
#include "tools/combat.h"
#include "tools/fightrules.h"
#include "tools/wfuite.h"
#include "tools/wpause.h"

using namespace Qt::StringLiterals;
using combatreport::nextZone;
using textnum::val;

namespace {

Fight* current = nullptr;

// A file that cannot be written is told, with its name and why, and the fight goes on
// without it.
void showFileError(const RuntimeError& failure) {
    msgBox(failure.message(), MsgIcon::Critical, u"Erreur !"_s);
}

} // namespace

Fight::Fight(Combat& window) : window_(window) {
    current = this;
}

Fight::~Fight() {
    current = nullptr;
    // A fight left by an error or by the end of the program still leaves the window ready.
    if (!finished_) endState();
}

Fight* Fight::running() {
    return current;
}

Fight::Side Fight::hero() const {
    return {window_.hev, window_.Bar1, u"EV du héros = "_s};
}

Fight::Side Fight::adversary() const {
    return {window_.aev, window_.Bar2, u"EV de l'adversaire = "_s};
}

double Fight::heroImpact() const {
    return fightrules::impact(chance::d6(), val(window_.hpi1->text()), val(window_.hpi2->text()));
}

double Fight::adversaryImpact() const {
    return fightrules::impact(chance::d6(), val(window_.api1->text()), val(window_.api2->text()));
}

void Fight::set(Label* label, const QString& caption) {
    label->setCaption(caption);
    label->repaint();
}

void Fight::set(TextBox* box, const QString& text) {
    box->setText(text);
    box->repaint();
}

void Fight::set(QProgressBar* bar, int value) {
    bar->setValue(value);
    bar->repaint();
}

void Fight::writeLine(const QString& line) {
    if (window_.fichier->value() && report_.isOpen()) report_.writeLine(line);
}

void Fight::closeReport() {
    try {
        report_.close();
    } catch (const RuntimeError& failure) {
        showFileError(failure);
    }
}

void Fight::run() {
    Combat& w = window_;
    w.Command2->setEnabled(false);
    w.arret->setEnabled(true);
    // Clearing the adversary or rolling a new one would let a second fight start inside this
    // one.
    w.Command7->setEnabled(false);
    w.Command8->setEnabled(false);
    shared::enpause = false;
    if (refused()) {
        finish(Result::Stopped);
        return;
    }
    start();
    // The adversary's courage at most the hero's: the hero strikes first.
    bool heroTurn = val(w.ac->text()) <= val(w.hc->text());
    Result result = Result::Going;
    while (result == Result::Going) {
        result = heroTurn ? heroHalfRound() : adversaryHalfRound();
        heroTurn = !heroTurn;
    }
    finish(result);
}

// A dead side, a missing adversary value, or a life energy that no bar can take.
bool Fight::refused() const {
    const Combat& w = window_;
    for (const TextBox* box : {w.ac, w.aa, w.ap, w.apr, w.api1, w.api2, w.aev})
        if (box->text().isEmpty()) return true;
    return val(w.hev->text()) <= 0 || val(w.aev->text()) <= 0;
}

void Fight::openReport() {
    try {
        report_.open(cheminRapport());
    } catch (const RuntimeError& failure) {
        showFileError(failure);
    }
}

void Fight::start() {
    Combat& w = window_;
    if (w.fichier->value()) openReport();
    set(w.nt, QString());
    demiassaut_ = 2;
    compteevanoui_ = dureeevanoui_ = 0;
    // No seeding from the clock here: chance was seeded once at start-up, and two fights
    // started within one clock tick would otherwise play the same dice.
    if (w.pause0->value()) shared::delai = 0;
    if (w.pause1->value()) shared::delai = 1;
    if (w.pause2->value()) shared::delai = 2;
    say(u"Courage du héros = "_s, w.hc->text());
    say(u"Courage de l'adversaire = "_s, w.ac->text());
    for (const Side& side : {hero(), adversary()}) {
        const double lifeEnergy = val(side.lifeEnergy->text());
        side.bar->setMaximum(fightrules::barMaximum(lifeEnergy));
        set(side.bar, fightrules::barValue(lifeEnergy));
    }
    bonneattaque_ = fightrules::bonneattaque(val(w.ha->text()));
}

void Fight::finish(Result result) {
    Combat& w = window_;
    if (result == Result::HeroDead) {
        set(w.hev, u"Mort"_s);
        say(u" "_s);
        say(u"Le héros est mort !"_s);
    } else if (result == Result::AdversaryDead) {
        set(w.aev, u"Mort"_s);
        say(u" "_s);
        say(u"L'adversaire est mort !"_s);
    }
    // Whatever the box says now: a report left open would take the next fight's lines.
    closeReport();
    if (result == Result::AdversaryDead) {
        TextBox* experience = perso().experience;
        experience->setText(textnum::fmt(val(experience->text()) + val(w.acm->text())));
    }
    if (stop_ == Stop::Closed) {
        if (forms::isLoaded<Wpause>()) wpause().hide();
        if (forms::isLoaded<Wfuite>()) wfuite().hide();
        shared::enpause = false;
    }
    endState();
}

void Fight::endState() {
    finished_ = true;
    Combat& w = window_;
    w.closePause();
    w.Command2->setEnabled(true);
    w.Command7->setEnabled(true);
    w.Command8->setEnabled(true);
}

// The round number moves on the first half-round, then on every second one.
void Fight::opening() {
    if (++demiassaut_ == 3) {
        set(window_.nt, textnum::fmt(val(window_.nt->text()) + 1));
        demiassaut_ = 1;
    }
    say(u" "_s);
    say(u"Assaut N°"_s, window_.nt->text());
}

Fight::Result Fight::adversaryHalfRound() {
    Combat& w = window_;
    opening();
    if (shared::modeextension && fainted()) {
        if (++compteevanoui_ == dureeevanoui_) {
            say(u"L'adversaire se réveille"_s);
            compteevanoui_ = dureeevanoui_ = 0;
            set(w.radv, u"Réveil !"_s);
        } else {
            const long long left = dureeevanoui_ - compteevanoui_;
            say(u"L'adversaire est évanoui encore"_s);
            say(u"pendant "_s, double(left), left == 1 ? u" assaut !"_s : u" assauts !"_s);
            set(w.radv, u"Evanoui !"_s);
            return Result::Going; // no step wait: the hero's half-round opens with its yield
        }
    }
    const int attack = chance::d20();
    say(u"Attaque de l'adversaire = "_s, w.aa->text(), nextZone, u"Tirage ="_s, attack);
    if (attack > val(w.aa->text())) {
        set(w.rheros, QString());
        set(w.radv, u"Attaque ratée"_s);
        say(u"Attaque de l'adversaire ratée"_s);
        return afterStep();
    }
    const int parade = chance::d20();
    say(u"Parade du héros = "_s, w.hp->text(), nextZone, u"  Tirage = "_s, parade);
    if (parade <= val(w.hp->text())) {
        set(w.rheros, u"Parade reussie"_s);
        say(u" "_s);
        say(u"Parade du héros réussie"_s);
        set(w.radv, u"Attaque réussie"_s);
        say(u"Attaque de l'adversaire réussie"_s);
        return afterStep();
    }
    say(u" "_s);
    set(w.rheros, u"Parade ratée"_s);
    say(u"Parade du héros ratée"_s);
    set(w.radv, u"Attaque réussie"_s);
    say(u"Attaque de l'adversaire réussie"_s);
    say(u" "_s);
    const double impact = adversaryImpact();
    return strike(hero(), fightrules::throughProtection(impact, val(w.hpr->text())));
}

Fight::Result Fight::heroHalfRound() {
    Combat& w = window_;
    if (!pauseCheck()) return Result::Stopped;
    opening();
    const int attack = chance::d20();
    say(u"Attaque du héros = "_s, w.ha->text(), nextZone, u"  Tirage ="_s, attack);
    if (!shared::modeextension && attack <= 2) {
        set(w.rheros, u"Coup de Maître !"_s);
        say(u"Coup de Maître !"_s);
        set(w.radv, QString());
        say(u" "_s);
        // No parade and no protection.
        return strike(adversary(), heroImpact());
    }
    if (attack > val(w.ha->text())) {
        set(w.rheros, u"Attaque ratée"_s);
        say(u"Attaque du héros ratée"_s);
        set(w.radv, QString());
        return afterStep();
    }
    if (shared::modeextension) {
        const int d6 = chance::d6();
        if (d6 <= bonneattaque_) return bonneAttaque(d6);
        if (fainted()) {
            set(w.radv, u"Evanoui !"_s);
            return heroDamage();
        }
    }
    return adversaryParade();
}

Fight::Result Fight::adversaryParade() {
    Combat& w = window_;
    const int parade = chance::d20();
    say(u"Parade de l'adversaire = "_s, w.ap->text(), nextZone, u"  Tirage = "_s, parade);
    set(w.rheros, u"Attaque reussie"_s);
    say(u" "_s);
    say(u"Attaque du héros réussie"_s);
    if (parade <= val(w.ap->text())) {
        set(w.radv, u"Parade réussie"_s);
        say(u"Parade de l'adversaire réussie"_s);
        return afterStep();
    }
    set(w.radv, u"Parade ratée"_s);
    say(u"Parade de l'adversaire ratée"_s);
    return heroDamage();
}

Fight::Result Fight::heroDamage() {
    Combat& w = window_;
    say(u" "_s);
    const double impact = heroImpact();
    return strike(adversary(), fightrules::throughProtection(impact, val(w.apr->text())));
}

Fight::Result Fight::bonneAttaque(int d6) {
    Combat& w = window_;
    set(w.rheros, u"Bonne Attaque !"_s);
    say(u"Bonne attaque = "_s, double(bonneattaque_), u"tirage = "_s, d6);
    say(u" "_s);
    say(u"Bonne attaque réussie !"_s);
    if (fainted()) {
        set(w.radv, u"Evanoui !"_s);
        return impactsGraves();
    }
    const double bonneparade = fightrules::bonneparade(val(w.ap->text()));
    const int roll = chance::d20();
    if (roll <= bonneparade) {
        set(w.radv, u"Bonne Parade !"_s);
        say(u" "_s);
        say(u"Bonne Parade = "_s, bonneparade, u"Tirage = "_s, roll);
        say(u" "_s);
        say(u"Bonne parade réussie !"_s);
        return afterStep();
    }
    set(w.radv, u"Bonne Prd ratée !"_s);
    say(u"Bonne Parade = "_s, bonneparade, u"Tirage = "_s, roll);
    say(u" "_s);
    say(u"Bonne parade ratée !"_s);
    if (!stepWait()) return Result::Stopped;
    return impactsGraves();
}

Fight::Result Fight::impactsGraves() {
    Combat& w = window_;
    const int roll = chance::d20();
    say(u" "_s);
    say(u"Tirage pour les impacts graves = "_s, roll);
    const fightrules::GraveImpact grave = fightrules::impactgrave(roll);
    if (!grave.critical) {
        const double impact = heroImpact();
        const double total = impact + grave.extra;
        say(u"points d'impact  = "_s, impact, u" plus = "_s, grave.extra, u", soit : "_s, total);
        return strike(adversary(), total);
    }
    const int critical = chance::d6();
    if (critical == 6) return fatalBlow(critical);
    dureeevanoui_ = critical;
    compteevanoui_ = 0;
    say(u"L'adversaire s'évanouit sous"_s);
    say(u"la violence de l'attaque pendant "_s, critical, u" assauts !"_s);
    set(w.radv, u"Evanoui !"_s);
    const double impact = heroImpact();
    say(u"Tirage pour l'impact critique : "_s, critical);
    say(u"points d'impact  = "_s, impact);
    return strike(adversary(), impact);
}

Fight::Result Fight::fatalBlow(int d6) {
    Combat& w = window_;
    set(w.rheros, u"Attaque fatale !"_s);
    set(w.radv, QString());
    // The blow is shown a moment before it is told.
    appclock::spinWait(double(shared::delai));
    say(u"Tirage pour l'impact critique : "_s, d6);
    say(u"Coup fatal !"_s);
    if (!stepWait()) return Result::Stopped;
    set(w.aev, u"0"_s);
    set(w.Bar2, 0);
    say(u"EV de l'adversaire = "_s, w.aev->text());
    return Result::AdversaryDead;
}

void Fight::applyDamage(const Side& side, double amount, bool emptyLineBetween) {
    say(side.label, side.lifeEnergy->text(), nextZone, u" moins"_s, amount);
    if (amount > 0) {
        const double left = val(side.lifeEnergy->text()) - amount;
        set(side.lifeEnergy, left <= 0 ? u"0"_s : textnum::fmt(left));
        set(side.bar, fightrules::barValue(side.bar->value() - amount));
    }
    if (emptyLineBetween) say(QString());
    say(side.label, side.lifeEnergy->text());
}

Fight::Result Fight::strike(const Side& side, double amount) {
    applyDamage(side, amount);
    if (val(side.lifeEnergy->text()) <= 0)
        return side.lifeEnergy == window_.hev ? Result::HeroDead : Result::AdversaryDead;
    return afterStep();
}

bool Fight::stepWait() {
    appclock::spinWait(double(shared::delai));
    return pauseCheck();
}

bool Fight::pauseCheck() {
    appclock::yield();
    appclock::yieldWhile([this] { return shared::enpause && stop_ == Stop::None; });
    return stop_ == Stop::None;
}

void Fight::endAfterFlight() {
    stop_ = Stop::Fled;
}

void Fight::abandon() {
    stop_ = Stop::Closed;
}

void Fight::flee(Wfuite& flight) {
    Combat& w = window_;
    flight.setWindowTitle(u"Fuite de "_s + perso().nom->text());
    // Nothing of an earlier flight may stay in sight.
    for (Label* label : {flight.lhev, flight.lmoins, flight.Label1, flight.Label2})
        set(label, QString());
    flight.showBlow(false);
    say(QString());
    say(u"Tentative de fuite "_s);
    say(u"du héros :"_s);
    // An outcome told in the window's two lines and, after an empty line, in the report.
    const auto tell = [&](const QString& first, const QString& second) {
        set(flight.Label1, first);
        set(flight.Label2, second);
        say(QString());
        say(first);
        say(second);
    };
    if (fainted()) {
        tell(u"Le héros s'enfuit avant que "_s, u"l'adversaire ne se réveille !"_s);
    } else {
        const int attack = chance::d20();
        say(QString());
        say(u"Attaque de l'adversaire = "_s, w.aa->text(), nextZone, u"Tirage ="_s, attack);
        if (attack > val(w.aa->text())) {
            set(w.rheros, QString());
            set(w.radv, u"Attaque ratée"_s);
            tell(u"Attaque de l'adversaire ratée"_s, u"Le héros fuit sans dommage !"_s);
        } else {
            fleeingHit(flight);
        }
    }
    if (w.fichier->value()) closeReport();
}

// The adversary's free attack has hit: no parade, only the protection.
void Fight::fleeingHit(Wfuite& flight) {
    Combat& w = window_;
    say(u" "_s);
    const double impact = adversaryImpact();
    const double damage = fightrules::throughProtection(impact, val(w.hpr->text()));
    set(flight.lmoins, textnum::fmt(damage));
    set(flight.lhev, textnum::fmt(val(w.hev->text())));
    flight.showBlow(true);
    applyDamage(hero(), damage, true);
    if (damage == 0) {
        set(flight.Label1, u"Le héros fuit sans dommage !"_s);
        say(u"Le héros fuit sans dommage !"_s);
        return;
    }
    set(flight.Label1, u" Le héros perd "_s + textnum::fmt(damage) + u" points de vie"_s);
    say(QString());
    say(u"Le héros perd "_s + textnum::fmt(damage) + u" points de vie"_s);
    if (val(w.hev->text()) <= 0) {
        set(w.hev, u"Mort"_s);
        set(flight.Label2, u" Le héros est mort pendant sa fuite !!"_s);
        say(u" "_s);
        say(u"Le héros est mort !"_s);
    } else {
        set(flight.Label2, u"Le héros réussit à fuir quand même..."_s);
        say(u"Le héros réussit à fuir quand même..."_s);
    }
}
