// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a program takes from its start until its first top-level window is mapped on the X
// display, the processor time it has used by then (all its threads), and how long until the
// middle of that window first changes from what it showed when mapped: its first paint.
// usage: map_timer PROGRAM [ARGS...]
// prints "<mapped, seconds> <processor seconds by then> <painted, seconds>" and ends the program
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The processor time of the process's threads, to the nanosecond; a thread that has already
// ended is not counted, which at start-up leaves out little.
double ProcessorSeconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double nanoseconds = 0;
        if (schedstat >> nanoseconds)
            total += nanoseconds / 1e9;
    }
    return total;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The pixels of a small square in the window's middle, or nothing while it cannot be read.
std::optional<std::vector<uint8_t>> Middle(xcb_connection_t* x, xcb_window_t window) {
    auto* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (geometry == nullptr)
        return std::nullopt;
    const auto left = static_cast<int16_t>(geometry->width / 2 - 8);
    const auto top = static_cast<int16_t>(geometry->height / 2 - 8);
    free(geometry);
    auto* image = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, left, top, 16, 16, ~0u), nullptr);
    if (image == nullptr)
        return std::nullopt;
    const uint8_t* data = xcb_get_image_data(image);
    std::vector<uint8_t> pixels(data, data + xcb_get_image_data_length(image));
    free(image);
    return pixels;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "map_timer: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    xcb_window_t window = XCB_NONE;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
            window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        free(event);
        if (window != XCB_NONE)
            break;
    }
    if (window == XCB_NONE) {
        std::fprintf(stderr, "map_timer: no window was mapped\n");
        return 1;
    }
    const double mapped = Seconds(start);
    kill(child, SIGSTOP);
    const double cpu = ProcessorSeconds(child);
    const auto atMap = Middle(x, window);
    kill(child, SIGCONT);
    double painted = -1;
    while (painted < 0 && Seconds(start) < 30) {
        const auto now = Middle(x, window);
        if (now && atMap && *now != *atMap)
            painted = Seconds(start);
        usleep(500);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%.4f %.4f %.4f\n", mapped, cpu, painted);
    return 0;
}
