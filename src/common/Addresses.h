#pragma once

namespace quorvix::address {

// Our own addresses; example domains until the project has real ones.
inline constexpr const char* kProductHost = "www.quorvix.example";
inline constexpr const char* kPartnerHost = "www.tandrel.example";
inline constexpr const char* kProductPage = "https://www.quorvix.example/";
inline constexpr const char* kPartnerPage = "https://www.tandrel.example/";
inline constexpr const char* kChatChannel = "irc://irc.qnet.example/quorvix";

} // namespace quorvix::address
