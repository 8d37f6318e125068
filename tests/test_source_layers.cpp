// The layers of the source tree as the includes show them: every include between folders goes
// down an allowed edge, no file pair and no folder reaches itself again through its includes,
// the plain C++ core includes no Qt, and no layer below the application keeps a variable that
// others reach with extern.

#include <QtTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tessellix {

namespace {

const std::vector<std::string> kFolders{"model",    "library", "solver",   "answers",
                                        "platform", "dialogs", "play",     "editor",
                                        "app",      "tools",   "resources"};

// Which folders each folder may include, besides itself.
const std::map<std::string, std::set<std::string>> kAllowedEdges{
    {"library", {}},
    {"model", {"library"}},
    {"solver", {"model", "library"}},
    {"answers", {"solver", "model", "library"}},
    {"tools", {"answers", "solver", "model", "library"}},
    {"resources", {"library"}},
    {"platform", {"resources", "model", "library"}},
    {"dialogs", {"platform", "resources", "model", "library"}},
    {"play", {"dialogs", "platform", "resources", "answers", "solver", "model", "library"}},
    {"editor", {"dialogs", "platform", "resources", "answers", "solver", "model", "library"}},
    {"app", {"play", "editor", "dialogs", "platform", "resources", "answers", "model", "library"}},
};

// The services on Qt know texts, pixels and whole files, not puzzles, files of puzzles or the
// library.
const std::set<std::string> kPlatformSees{"library/bilingual_text.h", "library/failure.h",
                                          "library/whole_file.h", "model/draw_surface.h"};

struct SourceFile {
    std::string path;  // "play/main_window.cpp"
    std::string text;
    std::vector<std::string> includes;  // the project's own, as written: "model/element.h"
};

std::vector<SourceFile> ReadSources(const std::vector<std::string>& folders = kFolders) {
    std::vector<SourceFile> files;
    const std::regex include(R"(#include\s+"([^"]+)\")");
    for (const std::string& folder : folders) {
        const std::filesystem::path dir = std::filesystem::path(SOURCE_DIR) / folder;
        if (!std::filesystem::exists(dir)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (!name.ends_with(".h") && !name.ends_with(".cpp")) {
                continue;
            }
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            SourceFile file{folder + "/" + name, text.str(), {}};
            for (std::sregex_iterator it(file.text.begin(), file.text.end(), include), end;
                 it != end; ++it) {
                file.includes.push_back((*it)[1]);
            }
            files.push_back(file);
        }
    }
    return files;
}

// A file pair is its path without the extension; a folder is its first path element.
std::string PairOf(const std::string& path) {
    return path.substr(0, path.rfind('.'));
}
std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find('/'));
}

using Graph = std::map<std::string, std::set<std::string>>;

// One cycle of the graph as "a -> b -> a", or empty.
std::string FindCycle(const Graph& graph) {
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::string found;
    std::function<void(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        const auto edges = graph.find(node);
        for (const std::string& next :
             edges == graph.end() ? std::set<std::string>{} : edges->second) {
            if (!found.empty()) {
                break;
            }
            if (state[next] == 1) {
                for (auto at = std::find(path.begin(), path.end(), next); at != path.end(); ++at) {
                    found += *at + " -> ";
                }
                found += next;
            } else if (state[next] == 0) {
                visit(next);
            }
        }
        path.pop_back();
        state[node] = 2;
    };
    for (const auto& [node, edges] : graph) {
        if (found.empty() && state[node] == 0) {
            visit(node);
        }
    }
    return found;
}

}  // namespace

class SourceLayersTest : public QObject {
    Q_OBJECT
  private slots:
    void noIncludeCycle_data() {
        QTest::addColumn<bool>("byFolder");
        QTest::newRow("between file pairs") << false;
        QTest::newRow("between folders") << true;
    }
    void noIncludeCycle() {
        QFETCH(bool, byFolder);
        const auto node = byFolder ? FolderOf : PairOf;
        Graph graph;
        for (const SourceFile& file : ReadSources()) {
            for (const std::string& include : file.includes) {
                if (node(include) != node(file.path)) {
                    graph[node(file.path)].insert(node(include));
                }
            }
        }
        QVERIFY(graph.size() > (byFolder ? 4u : 20u));
        const std::string cycle = FindCycle(graph);
        QVERIFY2(cycle.empty(), cycle.c_str());
    }

    void includesGoDownAllowedEdges() {
        int edges = 0;
        for (const SourceFile& file : ReadSources()) {
            const std::string from = FolderOf(file.path);
            for (const std::string& include : file.includes) {
                const std::string to = FolderOf(include);
                if (to == from) {
                    continue;
                }
                ++edges;
                const std::string edge = file.path + " includes " + include;
                QVERIFY2(kAllowedEdges.at(from).count(to) == 1, edge.c_str());
                QVERIFY2(
                    from != "platform" || to == "resources" || kPlatformSees.count(include) == 1,
                    edge.c_str());
            }
        }
        QVERIFY(edges > 50);
    }

    void includesRespectTheLayers_data() {
        QTest::addColumn<QString>("folders");
        QTest::addColumn<QString>("forbidden");  // a regular expression
        QTest::newRow("the core includes no Qt") << "model library solver answers tools"
                                                 << "#include <Q";
        QTest::newRow("no extern variable below the application")
            << "model library solver answers platform dialogs play editor tools resources"
            << R"(\bextern\s+(?!const\b|"C"))";
        QTest::newRow("the solver answers and acts on no session")
            << "solver"
            << R"(#include "model/\w+_session\.h")";
        QTest::newRow("only the play session makes and records its steps")
            << "dialogs play editor app"
            << R"(\bRecordMove\b|\bState\(\))";
    }
    // Tests, benchmarks and fuzz targets too: only main() and Qt's global macros stand outside.
    void everySourceIsInTheProjectNamespace() {
        std::vector<std::string> folders = kFolders;
        folders.insert(folders.end(), {"tests", "bench", "fuzz"});
        const std::vector<SourceFile> files = ReadSources(folders);
        for (const SourceFile& file : files) {
            QVERIFY2(file.text.find("namespace tessellix {") != std::string::npos,
                     file.path.c_str());
        }
        QVERIFY(files.size() > 100);
    }

    void includesRespectTheLayers() {
        QFETCH(QString, folders);
        QFETCH(QString, forbidden);
        const QStringList checked = folders.split(' ');
        const std::regex pattern(forbidden.toStdString());
        int seen = 0;
        for (const SourceFile& file : ReadSources()) {
            if (!checked.contains(QString::fromStdString(FolderOf(file.path)))) {
                continue;
            }
            ++seen;
            QVERIFY2(!std::regex_search(file.text, pattern), file.path.c_str());
        }
        QVERIFY(seen > 0);
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::SourceLayersTest)
#include "test_source_layers.moc"
