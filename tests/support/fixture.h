#pragma once
// The real main window with the real oracles and test services: what every
// window test starts from.
#include "doubles.h"
#include "frmmdi.h"
#include "oracles.h"
#include "oraclewindow.h"

#include <QMdiSubWindow>
#include <QTest>
#include <memory>

// The next widget that Tab moves to.
inline QWidget *nextTabStop(QWidget *w)
{
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled());
    return w;
}

// How a user reaches each oracle window: its launcher button opens the start
// window, whose command (after ticking a culture, for Good Luck) shows the
// result window.
struct OracleWay {
    const char *launcher, *start, *result, *command;
};
inline constexpr OracleWay OracleWays[] = {
    {"cmdSelectOption_0", "frmCelticOghamOracleMain", "frmCelticOghamOracleDisplay", "picMainImage"},
    {"cmdSelectOption_1", "frmDominoOracleMain", "frmDominoOracleDisplay", "picProceed"},
    {"cmdSelectOption_3", "frmMahjongOracleMain", "frmMahjongOracleDisplay", "cmdFindMajong"},
    {"cmdSelectOption_2", "frmGoodLuckSymbolOracleMain", "frmGoodLuckSymbolOracleDisplay", "cmdNext"},
    {"cmdSelectOption_4", "frmMysticColorOracleMain", nullptr, nullptr},
};
inline const OracleWay *wayTo(const QString &window)
{
    for (const OracleWay &way : OracleWays)
        if (window == QLatin1String(way.start) || (way.result && window == QLatin1String(way.result)))
            return &way;
    return nullptr;
}

struct OracleFixture {
    TestServices t;
    Services services = t.services();
    std::unique_ptr<frmMDI> mdi = std::make_unique<frmMDI>(services, AuguriumOracles());

    OracleFixture()
    {
        mdi->showMaximized();
        mdi->activateWindow(); // keys and access keys reach it, as they reach the window a user works in
        (void)QTest::qWaitForWindowActive(mdi.get());
    }

    OracleWindow *window(const char *className) const { return mdi->findOracleWindow(QLatin1String(className)); }
    template <class T = QWidget> T *in(const char *className, const char *control) const
    {
        OracleWindow *w = window(className);
        return w ? w->findChild<T *>(QLatin1String(control)) : nullptr;
    }
    template <class T = QWidget> T *child(const char *name) const { return mdi->findChild<T *>(QLatin1String(name)); }
    bool welcomeVisible() const { return child("picMain")->isVisible(); }
    static QMdiSubWindow *frame(const OracleWindow *w) { return qobject_cast<QMdiSubWindow *>(w->parentWidget()); }
};
