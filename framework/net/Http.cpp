#include "framework/net/Http.h"

#include <curl/curl.h>

#include <mutex>

namespace {
void GlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
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
  GlobalInit();
  THttpResponse r;
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    r.Error = "The HTTP client could not start";
    return r;
  }
  TSink sink{&r.Body, Request.MaxBodyBytes};
  curl_slist* headers = nullptr;
  if (!Request.Accept.empty()) headers = curl_slist_append(headers, ("Accept: " + Request.Accept).c_str());
  curl_easy_setopt(curl, CURLOPT_URL, Request.Url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, Request.UserAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                   static_cast<long>(Request.ConnectTimeoutMs > 0 ? Request.ConnectTimeoutMs : 5000));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                   static_cast<long>(Request.TimeoutMs > 0 ? Request.TimeoutMs : 10000));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  CURLcode code = curl_easy_perform(curl);
  if (code == CURLE_OK) {
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &r.Status);
    r.Ok = true;
  } else {
    r.TimedOut = code == CURLE_OPERATION_TIMEDOUT;
    r.Error = sink.tooLong ? "The answer is too long" : curl_easy_strerror(code);
    r.Body.clear();
  }
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return r;
}

std::string UrlEncode(const std::string& Value) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : Value) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
        c == '.' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}
