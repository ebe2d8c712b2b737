#include "bundle/test_results.h"

#include <algorithm>
#include <iterator>

namespace speedrail::bundle {

namespace {

// The text the XML escapes stand for, on one line: line ends and tabs
// become blanks.
std::string unescaped(const std::string& text) {
    static const std::pair<std::string, char> kEntities[] = {
        {"&lt;", '<'},  {"&gt;", '>'},   {"&quot;", '"'}, {"&apos;", '\''},
        {"&amp;", '&'}, {"&#x0A;", ' '}, {"&#x0D;", ' '}, {"&#x09;", ' '}};
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        const auto entity = std::find_if(
            std::begin(kEntities), std::end(kEntities),
            [&](const auto& e) { return text.compare(at, e.first.size(), e.first) == 0; });
        if (entity != std::end(kEntities)) {
            plain += entity->second;
            at += entity->first.size();
            continue;
        }
        const char c = text[at++];
        plain += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
    }
    return plain;
}

// The value of attribute `name` in the tag `tag` (its text between < and >).
std::string attribute(const std::string& tag, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t start = tag.find(key);
    if (start == std::string::npos) return {};
    const std::size_t from = start + key.size();
    const std::size_t end = tag.find('"', from);
    return unescaped(tag.substr(from, end == std::string::npos ? std::string::npos : end - from));
}

}  // namespace

std::vector<TestResult> readTestResults(const std::string& xml) {
    std::vector<TestResult> results;
    for (std::size_t at = xml.find("<testcase "); at != std::string::npos;) {
        const std::size_t tagEnd = xml.find('>', at);
        if (tagEnd == std::string::npos) break;
        const std::string tag = xml.substr(at, tagEnd - at);
        const std::size_t next = xml.find("<testcase ", tagEnd);
        // A case's own elements come before the next case, or it is closed at once.
        const std::string body =
            tag.back() == '/' ? std::string() : xml.substr(tagEnd, next - tagEnd);
        TestResult result{attribute(tag, "classname") + "." + attribute(tag, "name"), "passed", {}};
        const std::size_t failure = body.find("<failure ");
        const std::size_t skipped = body.find("<skipped ");
        if (failure != std::string::npos) {
            result.outcome = "FAILED";
            result.detail =
                attribute(body.substr(failure, body.find('>', failure) - failure), "message");
        } else if (skipped != std::string::npos || attribute(tag, "result") == "skipped") {
            result.outcome = "skipped";
            if (skipped != std::string::npos) {
                result.detail =
                    attribute(body.substr(skipped, body.find('>', skipped) - skipped), "message");
            }
        } else if (attribute(tag, "status") == "notrun") {
            result.outcome = "not run";
        }
        results.push_back(result);
        at = next;
    }
    return results;
}

}  // namespace speedrail::bundle
