// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRect>
#include <QString>

#include <cstdint>

struct xcb_connection_t;

namespace ledraTest {

bool xvfbInstalled();

// A private X server (Xvfb) without a window manager. The test plays the window manager: it
// moves, resizes, focuses and closes windows the way one does when the user asks it to.
class X11Display
{
public:
    ~X11Display();
    // an empty text once the server answers, else what went wrong
    QString start();
    // ":N", for DISPLAY
    QString name() const;

    // the shown top-level window whose title is title, waiting up to milliseconds; 0 when none
    std::uint32_t waitForWindow(const QString& title, int milliseconds);
    QString title(std::uint32_t window);
    // the place and size on the screen
    QRect geometry(std::uint32_t window);
    void setGeometry(std::uint32_t window, const QRect& place);
    // gives the window the keyboard and types the key with Control held
    void typeControlKey(std::uint32_t window, char letter);
    // WM_DELETE_WINDOW: what a window manager sends when the user closes a window
    void requestClose(std::uint32_t window);

private:
    std::uint32_t atom(const char* name);
    std::uint32_t root() const;

    QProcess server;
    QString display;
    xcb_connection_t* connection = nullptr;
};

} // namespace ledraTest

#define LEDRA_START_XVFB(display)                                                                  \
    do {                                                                                           \
        if (!ledraTest::xvfbInstalled())                                                           \
            QSKIP("Xvfb is not installed (Debian package xvfb): closing a real window goes untested"); \
        const QString failure = (display).start();                                                 \
        QVERIFY2(failure.isEmpty(), qPrintable(failure));                                          \
    } while (false)
