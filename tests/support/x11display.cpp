// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/x11display.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace ledraTest {

namespace {

// an xcb reply, freed with free() as xcb asks
struct FreeReply
{
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using Owned = std::unique_ptr<Reply, FreeReply>;

} // namespace

bool xvfbInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

X11Display::~X11Display()
{
    if (connection)
        xcb_disconnect(connection);
    server.terminate();
    server.waitForFinished();
}

QString X11Display::start()
{
    // -displayfd 1: the server picks a free display and writes its number once it listens
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    if (!server.waitForStarted())
        return server.errorString();
    QDeadlineTimer deadline(20000);
    while (!server.canReadLine() && server.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    const QByteArray number = server.readLine().trimmed();
    if (number.isEmpty())
        return QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(server.readAllStandardError());
    display = QLatin1Char(':') + QString::fromLatin1(number);
    connection = xcb_connect(display.toLatin1().constData(), nullptr);
    return xcb_connection_has_error(connection) ? QStringLiteral("cannot reach Xvfb at ") + display : QString();
}

QString X11Display::name() const
{
    return display;
}

std::uint32_t X11Display::root() const
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

std::uint32_t X11Display::atom(const char* name)
{
    Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : XCB_ATOM_NONE;
}

QString X11Display::title(std::uint32_t window)
{
    Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 1024),
        nullptr));
    if (!reply)
        return QString();
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

std::uint32_t X11Display::waitForWindow(const QString& wanted, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    do {
        Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, xcb_query_tree(connection, root()), nullptr));
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int index = 0; index < xcb_query_tree_children_length(tree.get()); ++index) {
            Owned<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, children[index]), nullptr));
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && !attributes->override_redirect
                && title(children[index]) == wanted)
                return children[index];
        }
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return 0;
}

QRect X11Display::geometry(std::uint32_t window)
{
    Owned<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    Owned<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root(), 0, 0), nullptr));
    if (!size || !place)
        return QRect();
    return QRect(place->dst_x, place->dst_y, size->width, size->height);
}

void X11Display::setGeometry(std::uint32_t window, const QRect& place)
{
    const std::uint32_t values[] = {std::uint32_t(place.x()), std::uint32_t(place.y()),
                                    std::uint32_t(place.width()), std::uint32_t(place.height())};
    xcb_configure_window(connection, window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    // a round trip, so that the window is where it was put before the next request
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void X11Display::typeControlKey(std::uint32_t window, char letter)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Owned<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr));
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    xcb_keycode_t keycode = 0;
    for (int index = 0; index < count * mapping->keysyms_per_keycode && keycode == 0; ++index) {
        // a small Latin letter's keysym is its ASCII code
        if (keysyms[index] == xcb_keysym_t(letter))
            keycode = xcb_keycode_t(setup->min_keycode + index / mapping->keysyms_per_keycode);
    }
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    for (std::uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = keycode;
        event.root = root();
        event.event = window;
        event.state = XCB_MOD_MASK_CONTROL;
        event.same_screen = 1;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection);
}

void X11Display::requestClose(std::uint32_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

} // namespace ledraTest
