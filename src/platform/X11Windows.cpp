#include "platform/X11Windows.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace platform::x11 {
namespace {

struct Connection
{
    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    int screenNumber = 0;

    Connection()
    {
        if (!std::getenv("DISPLAY"))
            return;
        c = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            c = nullptr;
            return;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        root = it.data ? it.data->root : 0;
    }
    ~Connection()
    {
        if (c)
            xcb_disconnect(c);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    explicit operator bool() const { return c && root; }

    xcb_atom_t atom(const char *name) const
    {
        auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The property as raw bytes, or an empty vector.
    std::vector<char> property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) const
    {
        auto cookie = xcb_get_property(c, 0, window, property, type, 0, 1 << 20);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c, cookie, nullptr), &std::free);
        if (!reply || reply->type == XCB_ATOM_NONE)
            return {};
        const auto *data = static_cast<const char *>(xcb_get_property_value(reply.get()));
        const int length = xcb_get_property_value_length(reply.get());
        return std::vector<char>(data, data + length);
    }
};

std::vector<xcb_window_t> clientWindows(const Connection &x)
{
    const auto list = x.property(x.root, x.atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    std::vector<xcb_window_t> windows(list.size() / sizeof(xcb_window_t));
    if (!windows.empty()) {
        memcpy(windows.data(), list.data(), windows.size() * sizeof(xcb_window_t));
        return windows;
    }
    // No window manager keeps a client list: take the root's children.
    auto cookie = xcb_query_tree(x.c, x.root);
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(x.c, cookie, nullptr), &std::free);
    if (!tree)
        return {};
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    windows.assign(children, children + xcb_query_tree_children_length(tree.get()));
    return windows;
}

QString titleOf(const Connection &x, xcb_window_t window)
{
    const auto utf8 = x.property(window, x.atom("_NET_WM_NAME"), x.atom("UTF8_STRING"));
    if (!utf8.empty())
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const auto latin = x.property(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY);
    return QString::fromLatin1(latin.data(), static_cast<qsizetype>(latin.size()));
}

void sendRootMessage(const Connection &x, xcb_window_t window, xcb_atom_t type, std::array<uint32_t, 5> data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    for (size_t i = 0; i < data.size(); ++i)
        event.data.data32[i] = data[i];
    xcb_send_event(x.c, 0, x.root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

} // namespace

QList<TopWindow> topLevelWindows()
{
    Connection x;
    if (!x)
        return {};
    QList<TopWindow> result;
    for (xcb_window_t w : clientWindows(x)) {
        QString title = titleOf(x, w);
        if (!title.isEmpty())
            result.append({w, title.left(255)});
    }
    return result;
}

void restoreAndRaise(std::uint32_t id)
{
    Connection x;
    if (!x)
        return;
    // A window manager restores and activates on _NET_ACTIVE_WINDOW; without
    // one, mapping and restacking do the same by hand.
    sendRootMessage(x, id, x.atom("_NET_ACTIVE_WINDOW"), {1, XCB_CURRENT_TIME, 0, 0, 0});
    xcb_map_window(x.c, id);
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(x.c, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_flush(x.c);
}

bool compositing()
{
    Connection x;
    if (!x)
        return false;
    // A compositing manager announces itself by owning this selection.
    const std::string name = "_NET_WM_CM_S" + std::to_string(x.screenNumber);
    auto cookie = xcb_get_selection_owner(x.c, x.atom(name.c_str()));
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
        xcb_get_selection_owner_reply(x.c, cookie, nullptr), &std::free);
    return reply && reply->owner != XCB_WINDOW_NONE;
}

} // namespace platform::x11
