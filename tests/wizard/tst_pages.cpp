#include "common/SettingsFields.h"
#include "support/PageRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>

#include <algorithm>

using namespace quorvix;
using namespace quorvix::test;
using quorvix::testing::kAllFlags;
using quorvix::testing::kAllTexts;

namespace {

using Field = Settings::Flag Settings::*;
using S = Settings;

const QString kAllFields = QStringLiteral("Alle Felder müssen ausgefüllt werden!");
const QString kOneColour = QStringLiteral("Du darfst nur eine Farbe auswählen!");
const QString kQuote = QStringLiteral("Bitte keine Anführungszeichen (\") eingeben!");
const QString kBackslash = QStringLiteral("Bitte keinen umgekehrten Schrägstrich (\\) eingeben!");
const QString kControl = QStringLiteral("Bitte keine Steuerzeichen (z.B. Tabulator) eingeben!");
const QString kTooLong = QStringLiteral("Bitte höchstens 127 Zeichen eingeben!");
const QString kTooHigh = QStringLiteral("[CS Quorvix 0.3a] Eine maximale Framrate von 101 ist nur möglich!");
const QString kNotANumber = QStringLiteral("Bitte gib als maximale Framerate eine Zahl ein (z.B. 100 oder 99,5)!");

// A text field the test never set: what a Next did not store stays so.
const std::string kUntouched = "-";

// Counts how often the page of the last button press was hidden by it, to
// tell "hidden and shown again" from "left on screen".
struct HideCounter : QObject {
    QObject* watched = nullptr;
    int hides = 0;
    bool eventFilter(QObject* object, QEvent* event) override
    {
        hides += object == watched && event->type() == QEvent::Hide;
        return false;
    }
};

// The record as a short text: every flag that is not 0 (with its value when
// not 1), then every text a page stored, in brackets.
QString stored(const Settings& s)
{
    QStringList out;
    for (const auto& f : kAllFlags)
        if (s.*f.field)
            out << QString::fromLatin1(f.name) + (s.*f.field == 1 ? QString() : QStringLiteral("=%1").arg(s.*f.field));
    for (const auto& t : kAllTexts)
        if (s.*t.field != kUntouched)
            out << QStringLiteral("%1[%2]").arg(QLatin1String(t.name), QString::fromStdString(s.*t.field));
    return out.join(' ');
}

// Runs a scenario step by step (see the table's legend); a check that fails
// is returned as text, with the step it came from.
QString play(PageRun& r, const QString& script)
{
    HideCounter counter;
    qApp->installEventFilter(&counter);
    WizardPage* page = nullptr;
    for (const QString& step : script.split('|')) {
        const qsizetype eq = step.indexOf('=');
        const QString name = step.left(eq), value = eq < 0 ? QString() : step.mid(eq + 1);
        WizardPage* shown = r.wizard.visiblePage();
        const auto box = [shown](const QString& n) { return need<QLineEdit>(shown, qPrintable(n)); };
        if (step.startsWith('@')) {
            r.wizard.hidePage(step.mid(1).toInt());
            r.wizard.hidePage(step.mid(1).toInt() + 1);
            page = r.open(step.mid(1).toInt());
        } else if (QStringList{">", "<", "RET", "ENTER"}.contains(step)) {
            counter.hides = 0;
            counter.watched = shown;
            if (step.size() == 1)
                step == QLatin1String(">") ? pressNext(shown) : pressBack(shown);
            else
                QTest::keyClick(shown->focusWidget(), step == QLatin1String("RET") ? Qt::Key_Return : Qt::Key_Enter,
                                step == QLatin1String("RET") ? Qt::NoModifier : Qt::KeypadModifier);
        } else if (step.startsWith(QLatin1String("right:"))) {
            QTest::mouseClick(box(step.mid(6)), Qt::RightButton, {}, box(step.mid(6))->rect().center());
        } else if (step.startsWith(QLatin1String("undo:"))) {
            QTest::keyClick(box(step.mid(5)), Qt::Key_Z, Qt::ControlModifier);
        } else if (step.startsWith('^')) {
            need<QWidget>(shown, qPrintable(step.mid(1)))->setFocus(Qt::TabFocusReason);
        } else if (step.startsWith('$')) {
            for (const auto& f : kAllFlags)
                if (name.mid(1) == QLatin1String(f.name))
                    r.settings.*f.field = Settings::Flag(value.toInt());
        } else if (step.startsWith('?')) {
            QString seen;
            if (name == QLatin1String("?hides") || name == QLatin1String("?clicks"))
                seen = QString::number(name == QLatin1String("?hides") ? counter.hides : page->clickCount());
            else if (name.startsWith(QLatin1String("?undo:")))
                seen = box(name.mid(6))->isUndoAvailable() ? "yes" : "no";
            else if (auto* b = qobject_cast<QAbstractButton*>(need<QWidget>(shown, qPrintable(name.mid(1)))))
                seen = b->isChecked() ? "[x]" : "[ ]";
            else
                seen = box(name.mid(1))->text();
            if (seen != value)
                return step + QStringLiteral(": found ") + seen;
        } else if (eq < 0) {
            click(need<QAbstractButton>(shown, qPrintable(step)));
        } else if (name.endsWith(':')) {
            box(name.chopped(1))->setText(value);
        } else {
            const QStringList parts = name.split('*');
            fillBox(box(QString(parts[0]).remove('~')), value, name.endsWith('~') ? 0 : parts.value(1, "1").toInt());
        }
        settle();
    }
    return {};
}

void row(const QString& name, const QString& script, int showing, const QStringList& messages,
         const QString& record)
{
    QTest::newRow(qPrintable(name)) << script << showing << messages << record;
}

// Each page's load set, typed from the page descriptions rather than taken
// from the program's own table.
const std::vector<std::vector<Field>> kLoadSets = {
    {&S::SpielernameDone},
    {&S::ConnectionDone, &S::CfgLAN, &S::CfgStandleitung, &S::CfgADSLfp, &S::CfgDSL,
     &S::CfgADSLCableAOL, &S::CfgQDSL, &S::CfgSDSL256, &S::CfgDualISDN, &S::CfgISDN, &S::CfgModem,
     &S::CfgDownL},
    {&S::VideoDone, &S::CfgVidBest, &S::CfgVidMittel, &S::CfgVMMX, &S::CfgVPrecache, &S::CfgVBUP,
     &S::CfgVZtrick},
    {&S::CfgEAX, &S::CfgSoundHLV, &S::CfgSoundSoundprob, &S::CfgSoundHighQ},
    {&S::mausDone, &S::CfgMausFilter},
    {&S::ColorCount, &S::ConsoleDone, &S::CfgCWeiss, &S::CfgCBlau, &S::CfgCRot, &S::CfgCGruen,
     &S::CfgCGS, &S::CfgCdev},
    {&S::HudDone, &S::CfgHudcenterid, &S::CfgHudFS, &S::CfgHudtakeshot},
    {&S::NetgraphDone, &S::CfgNgraphAus, &S::CfgNgraph1, &S::CfgNgraph2, &S::CfgNgraph3,
     &S::CfgNgraphP1, &S::CfgNgraphP2, &S::CfgNgraphP3},
    {&S::ViolenceDone, &S::CfgViolenceBlutan},
    {&S::SetinfoDone, &S::CfgHelpM, &S::CfgMapbrief, &S::Cfgfrendm, &S::CfgVGUI, &S::CfgLeftHand,
     &S::CfgdynChr, &S::CfgAutoWS},
    {},
};

// Every flag set to 1 except those in `zeroed`, as stored() shows it.
QString allBut(std::vector<Field> zeroed, int lastStep = 1)
{
    Settings s;
    for (const auto& f : kAllFlags)
        s.*f.field = std::find(zeroed.begin(), zeroed.end(), f.field) == zeroed.end();
    s.LastStep = Settings::Flag(lastStep);
    for (const auto& t : kAllTexts)
        s.*t.field = kUntouched;
    return stored(s);
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    // Legend: `@N` the wizard shows page N; `name` clicks a button;
    // `box=text` one mouse click into the box (which empties it), then the
    // text typed; `box*N=text` N clicks first; `box~=text` typed after
    // reaching the box by keyboard only; `box:=text` the text put there
    // whole; `>` / `<` "Weiter" / "Zurück" on the page on screen; `^name`
    // keyboard focus to it; RET / ENTER the Return / keypad Enter key;
    // `right:box` a right click, `undo:box` Ctrl+Z;
    // `$Flag=N` sets a record flag; `?box=text`, `?button=[x]` what the
    // screen shows; `?hides=N` how often the page of the last button press
    // was hidden by it; `?clicks=N` the opened page's click count;
    // `?undo:box=no` the box cannot undo.
    void scenario_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("showing");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("record");

        // ---- player name: stored wrapped once; refusals keep what was stored
        for (const QString& name : {QStringLiteral("Foo"), QStringLiteral("   "), QStringLiteral("Jörg€"), QString(127, 'x')})
            row("name " + name.left(8), "@1|txtSpielername=" + name + "|>|?hides=1", 2, {},
                "SpielernameDone Spielername[ \"" + name + "\"]");
        row("name: back and next wrap once", "@1|txtSpielername=Foo|>|<|?txtSpielername=Foo|>", 2, {},
            "SpielernameDone Spielername[ \"Foo\"]");
        row("name: a click and a new name", "@1|txtSpielername=Foo|>|<|txtSpielername=New|>", 2, {},
            "SpielernameDone Spielername[ \"New\"]");
        const QString named = "@1|txtSpielername=Foo|>|<|txtSpielername~=x|";
        const std::pair<QString, QString> refusedNames[] = {
            {"txtSpielername*1=", "Sie haben kein Spielername eingeben!"}, {"txtSpielername:=x\";quit;\"", kQuote},
            {"txtSpielername:=a\tb", kControl}, {"txtSpielername:=a\x1b", kControl},
            {"txtSpielername:=a\\", kBackslash}, {"txtSpielername:=名前", "Das Zeichen „名“ kann nicht in die Config geschrieben werden!"},
            {"txtSpielername:=" + QString(128, 'x'), kTooLong}};
        for (const auto& [typed, message] : refusedNames)
            row("name refused: " + QString::number(&typed - &refusedNames[0].first) + ' ' + message.left(20),
                named + typed + "|>|?hides=1|?txtSpielername=" + typed.section('=', 1), 1, {message},
                "SpielernameDone Spielername[ \"Foo\"]");
        // Return and the keypad's Enter press "Weiter", but not on "Zurück".
        row("keypad Enter, Return", "@1|txtSpielername~=Foo|ENTER|RET", 3, {},
            "SpielernameDone ConnectionDone Spielername[ \"Foo\"]");
        row("Return on Zurück", "@2|>|^cmdZurueck3|RET", 2, {}, "");

        // Only a left mouse click empties a box and counts; what it emptied is gone for good.
        row("clicks: keyboard, program, right click", "@3|txtCfgGamma~=2|txtCfgGamma:=3|right:txtCfgGamma|?txtCfgGamma=3|?clicks=0",
            3, {}, "");
        row("clicks: no undo after a click", "@3|txtCfgGamma~=2|txtCfgGamma=|undo:txtCfgGamma|?txtCfgGamma=|?clicks=1", 3, {}, "");

        // ---- connection and sound: only the buttons left ticked count
        // Each button sets the flag of its own name, and no other.
        for (const char* b : {"optCfgLAN", "optCfgStandleitung", "optCfgDSL", "optCfgADSLfp", "optCfgADSLCableAOL",
                              "optCfgQDSL", "optCfgSDSL256", "optCfgDualISDN", "optCfgISDN", "optCfgModem", "chkCfgDownL"})
            row(b, QStringLiteral("@2|%1|>").arg(b), 3, {}, QStringLiteral("ConnectionDone %1").arg(b + 3));
        for (const char* b : {"optCfgEAX", "chkCfgSoundHLV", "chkCfgSoundSoundprob", "chkCfgSoundHighQ"})
            row(b, QStringLiteral("@4|%1|>").arg(b), 5, {}, QStringLiteral("SoundDone %1").arg(b + 3));
        for (const char* b : {"chkCfgHelpM", "chkCfgMapbrief", "chkCfgfrendm", "chkCfgVGUI", "chkCfgLeftHand", "chkCfgdynChr", "chkCfgAutoWS"})
            row(b, QStringLiteral("@10|%1|>").arg(b), 11, {}, QStringLiteral("LastStep=11 SetinfoDone %1").arg(b + 3));
        row("connection: one group", "@2|optCfgLAN|optCfgModem|chkCfgDownL|>", 3, {}, "ConnectionDone CfgModem CfgDownL");
        row("connection: back clears, later passes add",
            "@2|optCfgLAN|>|<|?optCfgLAN=[x]|optCfgISDN|>|@2|optCfgDualISDN|>", 3, {}, "ConnectionDone CfgDualISDN CfgISDN");
        row("sound: EAX, then A3D", "@4|optCfgEAX|optCfgA3D|chkCfgSoundHLV|chkCfgSoundHighQ|>", 5, {},
            "SoundDone CfgSoundHLV CfgSoundHighQ");
        row("sound: back, unticked", "@4|optCfgEAX|chkCfgSoundSoundprob|>|<|chkCfgSoundSoundprob|>", 5, {}, "SoundDone CfgEAX");
        row("violence: blood on", "@9|optCfgViolenceBlutan|>", 10, {}, "ViolenceDone CfgViolenceBlutan");
        row("violence: on, back, off", "@9|optCfgViolenceBlutan|>|<|optCfgViolenceBlutaus|>", 10, {}, "ViolenceDone");
        row("setinfo: all", "@10|chkCfgHelpM|chkCfgMapbrief|chkCfgfrendm|chkCfgVGUI|chkCfgLeftHand|chkCfgdynChr|chkCfgAutoWS|>",
            11, {}, "LastStep=11 SetinfoDone CfgHelpM CfgMapbrief Cfgfrendm CfgVGUI CfgLeftHand CfgdynChr CfgAutoWS");
        row("setinfo: back, two unticked", "@10|chkCfgHelpM|chkCfgMapbrief|chkCfgAutoWS|>|<|chkCfgHelpM|chkCfgAutoWS|>",
            11, {}, "LastStep=11 SetinfoDone CfgMapbrief");
        row("final page counts finishes up to the limit", "@11|Text4~=9|?Text4=ex_maxaccel |$WizardDone=32766|>|@11|>|@11|>",
            0, {}, "WizardDone=32767 LastStep=11");

        // ---- video: the click rule counts clicks; the frame rate as the game reads it
        const QString video = "@3|optCfgVidBest|chkCfgVMMX|";
        const QString flags = "VideoDone CfgVidBest CfgVMMX";
        row("video: three clicks into gamma", video + "txtCfgGamma*3=2|txtCfgVMaxFPS~=60|>|?clicks=3", 4, {},
            flags + " CfgBrightness[] CfgGamma[2] CfgVMaxFPS[60]");
        row("video: two clicks", video + "txtCfgBrightness=5|txtCfgGamma=2|txtCfgVMaxFPS~=100|>|?hides=1", 3, {kAllFields},
            "CfgVidBest CfgVMMX CfgBrightness[5] CfgGamma[2]");
        row("video: keyboard only", video + "txtCfgBrightness~=5|txtCfgGamma~=2|txtCfgVMaxFPS~=100|>", 3, {kAllFields},
            "CfgVidBest CfgVMMX CfgBrightness[5] CfgGamma[2]");
        const QString filled = video + "txtCfgBrightness=5|txtCfgGamma=2|txtCfgVMaxFPS=";
        for (const char* fps : {"101", "101,0", "99,5", "99.5", "-5", "+101", ",5"})
            row(QStringLiteral("fps %1").arg(fps), filled + fps + "|>", 4, {},
                flags + " CfgBrightness[5] CfgGamma[2] CfgVMaxFPS[" + fps + "]");
        for (const char* fps : {"101.5", "101,5", "+150", "101.0001"})
            row(QStringLiteral("fps %1 too high").arg(fps), filled + fps + "|>|?hides=0|?txtCfgVMaxFPS=|?undo:txtCfgVMaxFPS=no",
                3, {kTooHigh}, "CfgVidBest CfgVMMX CfgBrightness[5] CfgGamma[2]");
        for (const char* fps : {"", "viel", "100fps", "1.000,5", "1,2,3", "1e2", "-", "+", "+-5", " 72 ", "inf", "1²"})
            row(QStringLiteral("fps '%1' no number").arg(fps), filled + fps + "|>|?hides=1|?txtCfgVMaxFPS=" + fps, 3,
                {kNotANumber}, "CfgVidBest CfgVMMX CfgBrightness[5] CfgGamma[2]");
        row("video: default texts stand for 1",
            video + "txtCfgBrightness=Helligkeit (Standart:1, >10 Models leuchten im Mündungsfeuer rot|"
                    "txtCfgGamma=Gamma-Korrektur (Standart 1 Max.:3)|txtCfgVMaxFPS=9|>",
            4, {}, flags + " CfgBrightness[1] CfgGamma[1] CfgVMaxFPS[9]");
        row("video: near misses of the defaults",
            video + "txtCfgBrightness=Gamma-Korrektur (Standart 1 Max.:3)|txtCfgGamma=GAMMA-KORREKTUR (STANDART 1 MAX.:3)|txtCfgVMaxFPS=9|>",
            4, {}, flags + " CfgBrightness[Gamma-Korrektur (Standart 1 Max.:3)] CfgGamma[GAMMA-KORREKTUR (STANDART 1 MAX.:3)] CfgVMaxFPS[9]");
        const std::pair<QString, QString> refusedVideo[] = {
            {"txtCfgBrightness=5\" ; quit|txtCfgGamma=2|txtCfgVMaxFPS=100", kQuote},
            {"txtCfgBrightness=5|txtCfgGamma=2|txtCfgVMaxFPS=100\"", kQuote},
            {"txtCfgBrightness=5\\|txtCfgGamma=2|txtCfgVMaxFPS=100", kBackslash},
            {"txtCfgBrightness=5|txtCfgGamma=☺|txtCfgVMaxFPS=100", "Das Zeichen „☺“ kann nicht in die Config geschrieben werden!"},
            {"txtCfgBrightness=" + QString(128, '1') + "|txtCfgGamma=2|txtCfgVMaxFPS=100", kTooLong}};
        for (const auto& [typed, message] : refusedVideo)
            row("video refused: " + message.left(20) + typed.mid(16, 4), video + typed + "|>", 3, {message}, "");
        row("video: refusals keep what they stored",
            "@3|chkCfgVBUP|optCfgVidBest|txtCfgBrightness=5|txtCfgGamma=2|>|chkCfgVBUP|optCfgVidMittel|txtCfgVMaxFPS=150|>"
            "|?txtCfgGamma=2|txtCfgVMaxFPS=100|?clicks=4|>",
            4, {kAllFields, kTooHigh}, "VideoDone CfgVidBest CfgVidMittel CfgVBUP CfgBrightness[5] CfgGamma[2] CfgVMaxFPS[100]");
        row("video: back on sound, keyboard change, no new clicks",
            "@3|chkCfgVPrecache|txtCfgBrightness=1|txtCfgGamma=2|txtCfgVMaxFPS=3|>|<|txtCfgVMaxFPS~=95|>|?clicks=3", 4, {},
            "VideoDone CfgVPrecache CfgBrightness[1] CfgGamma[2] CfgVMaxFPS[95]");

        // ---- mouse: both texts in order; a refusal keeps ticked flags
        const QString mouse = "@5|chkCfgMausFilter|";
        row("mouse: both empty", mouse + "txtCfgMSens=|txtCfgMSensratio=|>", 5, {"Sie haben keine Sensitivty eingegeben!"}, "CfgMausFilter");
        row("mouse: ratio empty", mouse + "txtCfgMSens=2.5|txtCfgMSensratio=|>", 5,
            {"Sie haben keine Zoom-Sensitivty-Ratio eingegeben!"}, "CfgMausFilter CfgMSens[2.5]");
        row("mouse: words, blanks, negatives", mouse + "txtCfgMSens=schnell|txtCfgMSensratio= -3|>", 6, {},
            "mausDone CfgMausFilter CfgMSens[schnell] CfgMSensratio[ -3]");
        row("mouse: quote in the ratio", mouse + "txtCfgMSens=2.5|txtCfgMSensratio=1\"; quit \"|>|?txtCfgMSensratio=1\"; quit \"", 5, {kQuote}, "");
        row("mouse: filter ticked in a refused pass stays", mouse + "txtCfgMSensratio=1.2|>|chkCfgMausFilter|txtCfgMSens=3|>", 6,
            {"Sie haben keine Sensitivty eingegeben!"}, "mausDone CfgMausFilter CfgMSens[3] CfgMSensratio[1.2]");
        row("mouse: back, unticked, next at once", mouse + "txtCfgMSens=2.5|txtCfgMSensratio=1.2|>|<|chkCfgMausFilter|>", 6, {},
            "mausDone CfgMSens[2.5] CfgMSensratio[1.2]");

        // ---- console: at most one colour; speed and developer stored first
        row("console: one box, RGB never clicked", "@6|chkCfgCRot|>", 7, {}, "ColorCount ConsoleDone CfgCRot");
        row("console: RGB clicked once", "@6|txtCfgConsoleRGB=255 255 255|>", 7, {}, "ColorCount ConsoleDone CfgConsoleRGB[255 255 255]");
        row("console: nothing chosen", "@6|>", 7, {}, "ConsoleDone");
        for (const char* rgb : {" 255 255 255", "0", "-1 0 0"})
            row(QStringLiteral("console: '%1' not stored").arg(rgb), QStringLiteral("@6|txtCfgConsoleRGB=%1|>").arg(rgb), 7, {},
                "ColorCount ConsoleDone");
        row("console: 00 stored", "@6|txtCfgConsoleRGB=00|>", 7, {}, "ColorCount ConsoleDone CfgConsoleRGB[00]");
        row("console: box plus RGB by keyboard", "@6|chkCfgCRot|txtCfgConsoleRGB~=10 20 30|>", 7, {},
            "ColorCount ConsoleDone CfgCRot CfgConsoleRGB[10 20 30]");
        row("console: fast, then slow", "@6|optCfgCGS|optCfgCGL|>", 7, {}, "ConsoleDone");
        row("console: RGB clicked twice", "@6|txtCfgConsoleRGB*2=255 0 0|>|?txtCfgConsoleRGB=|?undo:txtCfgConsoleRGB=no", 6,
            {kOneColour}, "CfgConsoleRGB[255 0 0]");
        row("console: four boxes, fast, developer",
            "@6|optCfgCGS|chkCfgCdev|chkCfgCGruen|chkCfgCRot|chkCfgCBlau|chkCfgCWeiss|>|?chkCfgCRot=[ ]|?optCfgCGS=[x]", 6,
            {kOneColour}, "CfgCGS CfgCdev");
        row("console: quote in RGB", "@6|optCfgCGS|chkCfgCRot|txtCfgConsoleRGB=255 0 0\"|>|?chkCfgCRot=[x]", 6, {kQuote}, "ColorCount");
        row("console: refusal keeps the stored RGB",
            "@6|optCfgCGS|chkCfgCdev|chkCfgCRot|txtCfgConsoleRGB=0 0 255|>|optCfgCGL|chkCfgCdev|chkCfgCBlau|>", 7, {kOneColour},
            "ColorCount ConsoleDone CfgCGS CfgCdev CfgCBlau CfgConsoleRGB[0 0 255]");
        row("console: back on HUD starts a new pass", "@6|chkCfgCdev|chkCfgCRot|txtCfgConsoleRGB~=1 2 3|>|<|>", 7, {},
            "ColorCount ConsoleDone CfgCdev CfgCRot CfgConsoleRGB[1 2 3]");
        row("console: a later run counts the box again", "@6|chkCfgCRot|>|@6|>|chkCfgCRot|>", 7, {kOneColour},
            "ColorCount ConsoleDone CfgCRot");

        // ---- HUD: boxes top to bottom, ticks, then three clicks in all
        const QString hud = "@7|chkCfgHudcenterid|";
        row("hud: two clicks", hud + "txtCfgHudDTN=5|txtCfgHudChattime=10|txtCfgHudKaufhis~=7|>", 7, {kAllFields},
            "CfgHudcenterid CfgHudDTN[5] CfgHudChattime[10] CfgHudKaufhis[7]");
        row("hud: three clicks into one box", hud + "txtCfgHudDTN*3= |txtCfgHudChattime~=0|txtCfgHudKaufhis~=fünf|>", 8, {},
            "HudDone CfgHudcenterid CfgHudDTN[ ] CfgHudChattime[0] CfgHudKaufhis[fünf]");
        row("hud: death notices empty", hud + "txtCfgHudDTN=|txtCfgHudChattime=10|txtCfgHudKaufhis=7|>", 7,
            {"Sie haben keine Deathnoticetime eingegeben!"}, "");
        row("hud: chat empty", hud + "txtCfgHudDTN=5|txtCfgHudChattime=|txtCfgHudKaufhis=|>", 7,
            {"Sie haben keine Chattime eingegeben!"}, "CfgHudDTN[5]");
        row("hud: history empty", hud + "txtCfgHudDTN=5|txtCfgHudChattime=10|txtCfgHudKaufhis=|>", 7,
            {"Sie haben keine Drawhistorytime eingegeben!"}, "CfgHudDTN[5] CfgHudChattime[10]");
        row("hud: quote in history", hud + "txtCfgHudDTN=5|txtCfgHudChattime=10|txtCfgHudKaufhis=1\"2|>", 7, {kQuote}, "");
        row("hud: refusals, then back from the net graph",
            "@7|chkCfgHudFS|txtCfgHudDTN~=5|txtCfgHudChattime~=10|txtCfgHudKaufhis~=7|>|chkCfgHudFS|chkCfgHudtakeshot"
            "|txtCfgHudChattime=|>|txtCfgHudDTN=5|txtCfgHudChattime=10|>|<|>",
            8, {kAllFields, "Sie haben keine Chattime eingegeben!"},
            "HudDone CfgHudtakeshot CfgHudDTN[5] CfgHudChattime[10] CfgHudKaufhis[7]");

        // ---- net graph: choices stored before the click rule; defaults keep sizes
        const QString height = "Netgraph-Höhe (Standart: 64)", width = "Netgraph-Breite (Standart: 150)";
        row("netgraph: one click", "@8|optCfgNgraph3|optCfgNgraphP1|txtCfgNetghight=80|txtCfgNetgwidth~=200|>", 8,
            {kAllFields}, "CfgNgraph3 CfgNgraphP1 CfgNetghight[80] CfgNetgwidth[200]");
        row("netgraph: one click into each", "@8|optCfgNgraph2|optCfgNgraphP2|txtCfgNetghight=80|txtCfgNetgwidth=|>", 9,
            {}, "NetgraphDone CfgNgraph2 CfgNgraphP2 CfgNetghight[80] CfgNetgwidth[]");
        row("netgraph: height default", "@8|txtCfgNetghight*2=" + height + "|>", 9, {}, "NetgraphDone CfgNetgwidth[]");
        row("netgraph: height default cut short", "@8|txtCfgNetghight*2=" + height.chopped(1) + "|>", 9, {},
            "NetgraphDone CfgNetghight[" + height.chopped(1) + "] CfgNetgwidth[]");
        row("netgraph: width in full", "@8|txtCfgNetgwidth*2=" + width + "|>", 9, {},
            "NetgraphDone CfgNetghight[] CfgNetgwidth[" + width + "]");
        row("netgraph: width default", "@8|txtCfgNetgwidth*2=" + width.chopped(1) + "|>", 9, {}, "NetgraphDone CfgNetghight[]");
        row("netgraph: quote in width", "@8|optCfgNgraph1|txtCfgNetghight=1|txtCfgNetgwidth=1\"2|>", 8, {kQuote}, "");
        row("netgraph: off leaves at once, also after back", "@8|chkCfgNgraphAus|<|optCfgNgraphP2|txtCfgNetgwidth=1\"2|>", 9, {},
            "NetgraphDone CfgNgraphAus");
        row("netgraph: off unticked stays", "@8|chkCfgNgraphAus|<|chkCfgNgraphAus", 8, {}, "");
        row("netgraph: refusal, more choices, back", "@8|optCfgNgraph1|optCfgNgraphP3|>|optCfgNgraph2|optCfgNgraphP1"
            "|txtCfgNetghight=80|txtCfgNetgwidth=200|>|<|>", 9, {kAllFields},
            "NetgraphDone CfgNgraph2 CfgNgraphP1 CfgNetghight[80] CfgNetgwidth[200]");
    }
    void scenario()
    {
        QFETCH(QString, script);
        QFETCH(int, showing);
        QFETCH(QStringList, messages);
        QFETCH(QString, record);
        PageRun r;
        for (const auto& t : kAllTexts)
            r.settings.*t.field = kUntouched;
        QCOMPARE(play(r, script), QString());
        QStringList shown;
        for (const auto& m : r.dialogs.messages)
            shown << (m.title == kTitle ? m.text : QStringLiteral("[%1] %2").arg(m.title, m.text));
        QCOMPARE(shown, messages);
        QCOMPARE(stored(r.settings), record);
        WizardPage* visible = r.wizard.visiblePage();
        QCOMPARE(visible ? visible->pageNumber() : 0, showing);
    }

    // Opening a page clears its load set, once; Back clears the previous
    // page's set (page 2's Back leaves page 1 alone) and reloads the page.
    void loadAndBackClearTheirSets_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 11; ++n)
            QTest::addRow("page %d", n) << n;
    }
    void loadAndBackClearTheirSets()
    {
        QFETCH(int, n);
        PageRun r;
        const auto setAll = [&r] {
            for (const auto& f : kAllFlags)
                r.settings.*f.field = 1;
            for (const auto& t : kAllTexts)
                r.settings.*t.field = kUntouched;
        };
        // The page before exists already, as when the player came from it.
        if (n > 1) {
            r.open(n - 1);
            r.wizard.hidePage(n - 1);
        }
        setAll();
        r.open(n);
        QCOMPARE(stored(r.settings), allBut(kLoadSets[n - 1], n == 11 ? 11 : 1));
        setAll();
        r.wizard.hidePage(n);
        r.open(n);
        QCOMPARE(stored(r.settings), allBut({}));
        if (n == 1)
            return;
        QPointer<WizardPage> before = r.wizard.page(n);
        pressBack(before);
        std::vector<Field> zeroed = kLoadSets[n - 1];
        if (n > 2)
            zeroed.insert(zeroed.end(), kLoadSets[n - 2].begin(), kLoadSets[n - 2].end());
        QCOMPARE(stored(r.settings), allBut(zeroed, n == 11 ? 11 : 1));
        QVERIFY(before.isNull() && r.wizard.page(n) && !r.showing(n));
        QCOMPARE(r.wizard.page(n)->clickCount(), Settings::Flag(0));
        QCOMPARE(r.wizard.visiblePage(), r.wizard.page(n - 1));
    }
};

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
