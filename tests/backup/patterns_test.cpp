// Expansion of file specifications into the files of a backup.

#include "backup/file_patterns.h"

#include "backup_fixture.h"

using namespace arkivo::backup;
using namespace backup_test;

namespace {

class Patterns : public TempFolder {
protected:
    void SetUp() override {
        for (const char* name : {"data/b.txt", "data/a.txt", "data/ohje", "data/Kuva.TXT", "data/x/c.txt",
                                 "data/x/y/d.txt", "data/w/e.txt", "data/w/f.doc", "data/.piilo.txt", "data/k.var"})
            put(name, "x");
    }
    QStringList expand(const QStringList& patterns) {
        QStringList relative;
        for (const QString& p : expandFilePatterns(patterns, path("data/k.var")))
            relative << QDir(path("")).relativeFilePath(p);
        return relative;
    }
};

TEST_F(Patterns, ExpansionTable) {
    struct Case {
        QStringList patterns;
        QStringList files;
    };
    const Case cases[] = {
        // Subfolders' files first, depth first, each folder in name order; hidden files too.
        {{"data/*.txt /s"},
         {"data/w/e.txt", "data/x/y/d.txt", "data/x/c.txt", "data/.piilo.txt", "data/a.txt", "data/b.txt"}},
        // Each file once, whatever the order of the entries.
        {{"data/a.txt", "data/*.txt", "data/x/*.txt /s"},
         {"data/a.txt", "data/.piilo.txt", "data/b.txt", "data/x/y/d.txt", "data/x/c.txt"}},
        // "*.*" takes names without a dot; the archive itself is left out; case is kept.
        {{"data/*.*"}, {"data/.piilo.txt", "data/Kuva.TXT", "data/a.txt", "data/b.txt", "data/ohje"}},
        {{"data/*.TXT"}, {"data/Kuva.TXT"}},
        {{"data/puuttuu.txt", "data/nope/*.txt /s", "data/x/"}, {"data/x/c.txt"}},
        {{"  data/w/*.doc   /S  "}, {"data/w/f.doc"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.patterns.join(" | ").toStdString());
        QStringList patterns;
        for (const QString& s : c.patterns)
            patterns << (s.trimmed().startsWith('/') ? s : path("") + "/" + s.trimmed());
        EXPECT_EQ(expand(patterns), c.files);
    }
}

} // namespace
