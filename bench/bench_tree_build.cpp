// Building the chapter tree of a 1,001-node bank (the most the node table holds) into a shown
// tree view, against the floor: adding the same number of captioned nodes to the same view
// without reading the bank.
//
// usage: bench_tree_build [--nodes N] [--runs R]

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidgetItem>
#include <algorithm>

#include "app/chapter_tree_builder.h"
#include "app/chapter_tree_view.h"
#include "bench_support.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

qint64 timeTreeBuild(store::Connection& bank, app::ChapterTreeView& tree,
                     app::ChapterTreeBuilder::NodeRecordIds& ids, int& nodes) {
    QElapsedTimer timer;
    timer.start();
    tree.clear();
    app::ChapterTreeBuilder builder(bank, tree, ids);
    builder.build(pages::ViewMode::AllQuestions);
    tree.expandAll();
    nodes = builder.nodesAdded();
    return timer.elapsed();
}

// The same number of nodes, three levels deep, captions only.
qint64 timePlainFill(app::ChapterTreeView& tree, int nodes) {
    QElapsedTimer timer;
    timer.start();
    tree.clear();
    QTreeWidgetItem* part = nullptr;
    QTreeWidgetItem* section = nullptr;
    for (int k = 0; k < nodes; ++k) {
        const QString caption = QStringLiteral("第%1节 节点").arg(k);
        if (k % 20 == 0) {
            part = new QTreeWidgetItem(&tree, {caption});
        } else if (k % 5 == 1) {
            section = new QTreeWidgetItem(part, {caption});
        } else {
            new QTreeWidgetItem(section ? section : part, {caption});
        }
    }
    tree.expandAll();
    return timer.elapsed();
}

int run(const QStringList& args) {
    const int nodes =
        bench::argument(args, QStringLiteral("--nodes"), QStringLiteral("1001")).toInt();
    const int runs =
        std::max(1, bench::argument(args, QStringLiteral("--runs"), QStringLiteral("5")).toInt());
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    bench::generateBank(programDir, {QStringLiteral("--questions"), QStringLiteral("2000"),
                                     QStringLiteral("--nodes"), QString::number(nodes)});
    store::Connection bank(store::ConnectionString::forDataDirectory(programDir));
    app::ChapterTreeView tree;
    tree.resize(257, 700);
    tree.show();
    app::ChapterTreeBuilder::NodeRecordIds ids{};

    int built = 0;
    QList<qint64> builds, fills;
    timeTreeBuild(bank, tree, ids, built);  // warm-up
    for (int i = 0; i < runs; ++i) {
        builds << timeTreeBuild(bank, tree, ids, built);
        fills << timePlainFill(tree, built);
    }
    QTextStream out(stdout);
    out << "chapter tree of " << built << " nodes, median of " << runs << " runs\n";
    out << "  tree build from the bank:        " << bench::medianLine(builds) << "\n";
    out << "  plain fill of the same node count: " << bench::medianLine(fills) << "\n";
    out << "  ratio build / plain fill: "
        << QString::number(
               double(bench::median(builds)) / double(std::max<qint64>(bench::median(fills), 1)),
               'f', 2)
        << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return bench::runGuiBenchmark(argc, argv, "bench_tree_build", run);
}
