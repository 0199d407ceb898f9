#include "framework/net/Http.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <mutex>

#include "framework/rtl/StrUtils.h"

namespace {
// libcurl and the couple of dozen libraries it pulls in are loaded the first
// time a request is made, not at start: only the version check needs them,
// and most runs never make it.
struct TCurlLibrary {
  bool Loaded = false;
  CURLcode (*global_init)(long) = nullptr;
  CURL* (*easy_init)() = nullptr;
  CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easy_perform)(CURL*) = nullptr;
  CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...) = nullptr;
  const char* (*easy_strerror)(CURLcode) = nullptr;
  void (*easy_cleanup)(CURL*) = nullptr;
  curl_slist* (*slist_append)(curl_slist*, const char*) = nullptr;
  void (*slist_free_all)(curl_slist*) = nullptr;
};

template <typename F>
bool Resolve(void* Library, const char* Name, F& Fn) {
  Fn = reinterpret_cast<F>(dlsym(Library, Name));
  return Fn != nullptr;
}

TCurlLibrary LoadCurl() {
  TCurlLibrary c;
  void* lib = nullptr;
  for (const char* name : {"libcurl.so.4", "libcurl.so"})
    if ((lib = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
  if (lib == nullptr) return c;
  c.Loaded = Resolve(lib, "curl_global_init", c.global_init) && Resolve(lib, "curl_easy_init", c.easy_init) &&
             Resolve(lib, "curl_easy_setopt", c.easy_setopt) &&
             Resolve(lib, "curl_easy_perform", c.easy_perform) &&
             Resolve(lib, "curl_easy_getinfo", c.easy_getinfo) &&
             Resolve(lib, "curl_easy_strerror", c.easy_strerror) &&
             Resolve(lib, "curl_easy_cleanup", c.easy_cleanup) &&
             Resolve(lib, "curl_slist_append", c.slist_append) &&
             Resolve(lib, "curl_slist_free_all", c.slist_free_all);
  // The library stays loaded for the life of the process.
  if (c.Loaded) c.global_init(CURL_GLOBAL_DEFAULT);
  return c;
}

const TCurlLibrary& Curl() {
  static const TCurlLibrary library = LoadCurl();
  return library;
}

struct TSink {
  std::string* body;
  std::size_t max;
  bool tooLong = false;
};

size_t OnData(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<TSink*>(user);
  std::size_t n = size * count;
  if (sink->body->size() + n > sink->max) {
    sink->tooLong = true;
    return 0;  // stops the transfer
  }
  sink->body->append(data, n);
  return n;
}
}  // namespace

THttpResponse TCurlHttpClient::Get(const THttpRequest& Request) {
  THttpResponse r;
  const TCurlLibrary& lib = Curl();
  if (!lib.Loaded) {
    r.Error = "The HTTP library could not be loaded";
    return r;
  }
  CURL* curl = lib.easy_init();
  if (curl == nullptr) {
    r.Error = "The HTTP client could not start";
    return r;
  }
  TSink sink{&r.Body, Request.MaxBodyBytes};
  curl_slist* headers = nullptr;
  if (!Request.Accept.empty()) headers = lib.slist_append(headers, ("Accept: " + Request.Accept).c_str());
  lib.easy_setopt(curl, CURLOPT_URL, Request.Url.c_str());
  lib.easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  lib.easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  lib.easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  lib.easy_setopt(curl, CURLOPT_USERAGENT, Request.UserAgent.c_str());
  lib.easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  lib.easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  lib.easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  lib.easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                  static_cast<long>(Request.ConnectTimeoutMs > 0 ? Request.ConnectTimeoutMs : 5000));
  lib.easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                  static_cast<long>(Request.TimeoutMs > 0 ? Request.TimeoutMs : 10000));
  lib.easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
  lib.easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  CURLcode code = lib.easy_perform(curl);
  if (code == CURLE_OK) {
    lib.easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &r.Status);
    r.Ok = true;
  } else {
    r.TimedOut = code == CURLE_OPERATION_TIMEDOUT;
    r.Error = sink.tooLong ? "The answer is too long" : lib.easy_strerror(code);
    r.Body.clear();
  }
  lib.slist_free_all(headers);
  lib.easy_cleanup(curl);
  return r;
}

std::string UrlEncode(const std::string& Value) { return PercentEncode(Value, "-_.~"); }
