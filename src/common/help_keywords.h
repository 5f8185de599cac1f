#pragma once

#include <QString>

#include <vector>

// The help topics: every keyword a window's "Ohje F1" opens, and the page
// (an HTML file name in data/help/) that explains it.

namespace arkivo {

struct HelpTopic {
    const char* keyword; // as the windows ask for it, UTF-8: "Äänieditori"
    const char* page;    // "aanieditori.html"
    const char* title;   // the page's heading in the contents
};

const std::vector<HelpTopic>& helpTopics();
// The page of a keyword (compared case-insensitively); the contents page for an unknown one.
QString helpPage(const QString& keyword);

} // namespace arkivo
