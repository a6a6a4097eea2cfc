#pragma once
// The program's HTTP request routine: one GET or POST with a browser's agent and default header
// lines, optional cookies and proxy, and (for text) UTF-8 pages turned into GBK.
//
// Callers mostly pass the address alone. `cookies` and `proxy` are present or absent (nullptr):
// a present cookie text, even empty, switches the service's own cookie store off for the request
// and receives the merge of itself with the response's cookies; a present proxy, even empty, sends
// the request through the HTTP proxy "http=" + *proxy. Every other pointer may be nullptr, which
// behaves like a variable holding the default (empty, false, 0).
//
// Failure is an empty result. When the service cannot open its session, connection or request,
// no parameter is changed. When the request is sent but fails (unreachable server, broken
// answer), the result is empty, `responseHeaders` holds 5000 blanks and `location`, if it was
// empty, receives them too. The status code is not looked at: an error page is a body like any
// other. Blocks until the transfer ends; safe on any thread (every call owns its handles).

#include "platform/inet/InternetService.h"
#include "text/Text.h"

namespace cinevora {

inline constexpr const char* DEFAULT_USER_AGENT =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 368VK; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

// method: 0 GET without data; 1 POST with data; any other value GET with data. The data are
// `*postBytes`, or the bytes of `postText` when those are empty (then copied into *postBytes).
// `headers`: extra request lines separated by CR LF, no CR LF at the end; on return, every line
// that was sent. `returnedCookies`: the name=value items the response set, joined by "; ".
// `location`: the response's Location value, else (when still empty) the whole header text.
// `noRedirect`: redirects are not followed. `responseHeaders`: the raw response header block.
//
// The body as text: converted from UTF-8 to GBK when "utf-8" starts within its first 499 bytes
// or the response headers name "utf-8" in any letter case, and cut at its first NUL byte.
Text WebAccess(InternetService& inet, const Text& url, int method = 0, const Text& postText = {},
               Text* cookies = nullptr, Text* returnedCookies = nullptr, Text* headers = nullptr,
               Text* location = nullptr, bool noRedirect = false, Bytes* postBytes = nullptr,
               const Text* proxy = nullptr, Text* responseHeaders = nullptr);

// The same request; the body's bytes exactly as received.
Bytes WebAccessBytes(InternetService& inet, const Text& url, int method = 0,
                     const Text& postText = {}, Text* cookies = nullptr,
                     Text* returnedCookies = nullptr, Text* headers = nullptr,
                     Text* location = nullptr, bool noRedirect = false, Bytes* postBytes = nullptr,
                     const Text* proxy = nullptr, Text* responseHeaders = nullptr);

}  // namespace cinevora
