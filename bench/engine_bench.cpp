// Measures the statement loop on a throwaway cluster, side by side in one run:
//  (a) the first pass of the script over a new company database,
//  (b) a pass of a new release over a database where every row is recorded,
// each with the pipelined loop and the one-by-one loop, and for (a) the raw
// lower bound: the statements that take effect, sent by `psql -1 -f` in one
// transaction. Prints medians and ratios; the machine's noise cancels out.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/windows.h"
#include "companies/company_register.h"
#include "engine/statement_log.h"
#include "platform/system/system.h"
#include "tests/app/fake_application.h"
#include "tests/support/files.h"
#include "tests/support/test_cluster.h"

namespace {

using Clock = std::chrono::steady_clock;

class Bench {
public:
    Bench() : cluster_(testsupport::TestCluster::get()) {}

    void freshDatabase() {
        cluster_.dropDatabase(kDatabase);
        cluster_.createDatabase(kDatabase);
        cluster_.execute(kDatabase, "SET ROLE demo; " + testsupport::readFile(OLDER_TABLES_SQL) +
                                        "; CREATE TABLE frazeupgrade (fraza text, moment TIMESTAMP NOT NULL DEFAULT "
                                        "current_timestamp, UNIQUE (fraza))");
        testsupport::writeDataSource(companies::numeSursaDate(kEntry), kDatabase);
    }

    // One engine pass under a label; returns seconds.
    double pass(engine::LoopMode mode, const std::string& label) {
        engine::setLoopMode(mode);
        TForm1& form = windows_.form1;
        form.versiuneUpdateLL.SetCaption(label);
        form.bazaDB.Close();
        form.bazaDB.Params.Delete(0);
        form.bazaDB.Params.Insert(0, std::string("DATABASE NAME=") + kDatabase);
        form.bazaDB.Params.Set(1, "ODBC DSN=" + companies::numeSursaDate(kEntry));
        if (!form.conecteazaFirma(kEntry)) throw std::runtime_error("cannot open the bench database");
        form.mesajeMM.Lines.Clear();
        auto start = Clock::now();
        form.actualizeazaBaza(kEntry);
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        form.bazaDB.Close();
        return seconds;
    }

    // The statements that took effect in the last pass, in list order, as one
    // psql file: the report of the rows that did not take effect is in list
    // order too, so the two are walked side by side.
    std::string effectiveStatements() {
        const std::vector<std::string> failed = windows_.form1.mesajeMM.Lines.lines();
        windows_.utility.construiesteFrazeUpgrade();
        std::string file = "/tmp/velantrix-bench-" + std::to_string(getpid()) + ".sql";
        std::ofstream out(file);
        out << "SET DateStyle = 'ISO, DMY';\n";  // as the engine's session has it
        std::size_t next = 0;
        for (std::string_view text : windows_.utility.listaFraze) {
            if (next < failed.size() && failed[next] == text) {
                ++next;
                continue;
            }
            std::string s(text);
            while (!s.empty() && s.back() == ' ') s.pop_back();
            out << s << (s.empty() || s.back() != ';' ? ";\n" : "\n");
        }
        return file;
    }

    double psqlOneTransaction(const std::string& file) {
        sys::RunOptions options;
        options.environment = {{"PGPASSWORD", "lynx"}};
        options.standardOutput = "/dev/null";
        auto start = Clock::now();
        auto result = sys::run({cluster_.binDir() + "/psql", "-X", "-q", "-1", "-v", "ON_ERROR_STOP=1", "-h",
                                cluster_.host(), "-p", std::to_string(cluster_.port()), "-U", "demo", "-d", kDatabase,
                                "-f", file},
                               options);
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!result.started || result.exitStatus != 0) throw std::runtime_error("psql failed");
        return seconds;
    }

    int rows() {
        windows_.utility.construiesteFrazeUpgrade();
        return static_cast<int>(windows_.utility.listaFraze.size());
    }

private:
    static constexpr const char* kEntry = "RO8880001";
    static constexpr const char* kDatabase = "db8880001";
    testsupport::TestCluster& cluster_;
    testsupport::TempRegistryStore store_;
    FakeApplication app_;
    Windows<> windows_;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    Bench bench;
    std::vector<double> firstPipelined, firstOneByOne, raw, againPipelined, againOneByOne;
    for (int round = 0; round < rounds; ++round) {
        // Side by side in every round, so that a noisy moment hits all of them.
        bench.freshDatabase();
        firstOneByOne.push_back(bench.pass(engine::LoopMode::OneByOne, "bench 1"));
        againOneByOne.push_back(bench.pass(engine::LoopMode::OneByOne, "bench 2"));
        bench.freshDatabase();
        firstPipelined.push_back(bench.pass(engine::LoopMode::Pipeline, "bench 1"));
        const std::string file = bench.effectiveStatements();
        againPipelined.push_back(bench.pass(engine::LoopMode::Pipeline, "bench 2"));
        bench.freshDatabase();
        raw.push_back(bench.psqlOneTransaction(file));
        std::remove(file.c_str());
    }
    const double a1 = median(firstPipelined), a2 = median(firstOneByOne), a3 = median(raw);
    const double b1 = median(againPipelined), b2 = median(againOneByOne);
    std::printf("script rows: %d, rounds: %d (medians)\n\n", bench.rows(), rounds);
    std::printf("(a) first pass over a new database\n");
    std::printf("    pipelined          %7.3f s\n", a1);
    std::printf("    one by one         %7.3f s   pipelined is %.1fx faster\n", a2, a2 / a1);
    std::printf("    psql -1 -f (raw)   %7.3f s   pipelined takes %.2fx the raw lower bound\n", a3, a1 / a3);
    std::printf("(b) new release, every row already recorded\n");
    std::printf("    pipelined          %7.3f s\n", b1);
    std::printf("    one by one         %7.3f s   pipelined is %.1fx faster\n", b2, b2 / b1);
    return 0;
}
