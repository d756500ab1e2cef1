#pragma once
#include "tools/combatreport.h"

#include <QString>

class Combat;
class Label;
class QProgressBar;
class TextBox;
class Wfuite;

// One melee fight between the hero and the adversary of the combat window, from its start to
// a death, a flight or the window's closing. It runs inside the "C&ombat" handler and lets
// the other windows act only at its yields; the pause and flight windows reach it there.
class Fight {
public:
    explicit Fight(Combat& window);
    ~Fight();
    Fight(const Fight&) = delete;
    Fight& operator=(const Fight&) = delete;

    // The fight running now, or none.
    static Fight* running();

    void run();

    // The adversary's free attack on a fleeing hero, with its outcome in the flight window.
    void flee(Wfuite& window);
    // The flight's result is acknowledged: the fight goes no further.
    void endAfterFlight();
    // The combat window closes: the fight goes no further after its next yield.
    void abandon();

private:
    enum class Result { Going, HeroDead, AdversaryDead, Stopped };
    enum class Stop { None, Fled, Closed };
    struct Side {
        TextBox* lifeEnergy;
        QProgressBar* bar;
        QString label; // how the report names its life energy
    };

    bool refused() const;
    void openReport();
    void start();
    void finish(Result result);
    void endState();

    void opening();
    Result adversaryHalfRound();
    Result heroHalfRound();
    Result adversaryParade();
    Result heroDamage();
    Result bonneAttaque(int d6);
    Result impactsGraves();
    Result fatalBlow(int d6);
    void fleeingHit(Wfuite& flight);

    // Lowers a side's life energy and bar and reports it; an amount of 0 or less changes
    // nothing. The flight reports an empty line between the two energies.
    void applyDamage(const Side& side, double amount, bool emptyLineBetween = false);
    // A side hit: its death, or the step wait before the other side's turn.
    Result strike(const Side& side, double amount);

    // The wait between two steps: the delay on the clock, then a yield, then yields while the
    // fight is paused. False once the fight goes no further.
    bool stepWait();
    // A yield, then yields while paused.
    bool pauseCheck();
    Result afterStep() { return stepWait() ? Result::Going : Result::Stopped; }

    bool fainted() const { return dureeevanoui_ != 0; }
    Side hero() const;
    Side adversary() const;
    // A new d6 times the side's dice count, plus its addend.
    double heroImpact() const;
    double adversaryImpact() const;
    static void set(Label* label, const QString& caption);
    static void set(TextBox* box, const QString& text);
    static void set(QProgressBar* bar, int value);

    template <class... Parts> void say(const Parts&... parts) {
        writeLine(combatreport::line(parts...));
    }
    // A line goes to the report only while the box is checked and the report is open.
    void writeLine(const QString& line);
    void closeReport();

    Combat& window_;
    CombatReport report_;
    Stop stop_ = Stop::None;
    bool finished_ = false;
    int demiassaut_ = 2;
    long long dureeevanoui_ = 0;
    long long compteevanoui_ = 0;
    int bonneattaque_ = 1;
};
