#include "engine/statement_log.h"

#include "companies/company_register.h"
#include "engine/log_statements.h"
#include "engine/statement_loop.h"
#include "platform/db/database.h"
#include "platform/db/query.h"
#include "platform/ui/strings.h"

namespace engine {

namespace {

LoopMode currentMode = LoopMode::Pipeline;

// True when the relation is visible; any error counts as absent.
bool relationExists(const std::string& connectionName, const char* probe) {
    try {
        db::Query query;
        query.SetDatabaseName(connectionName);
        query.SetSQL(probe);
        query.Open();
        bool exists = !companies::trim(query.FieldByName("existaTabela").AsString()).empty();
        query.Close();
        return exists;
    } catch (const std::exception&) {
        return false;
    }
}

// Runs the statements in order, each committing by itself; stops silently at
// the first that fails.
template <std::size_t N>
void createTable(const std::string& connectionName, const char* create, const char* const (&grants)[N]) {
    try {
        db::Query query;
        query.SetDatabaseName(connectionName);
        query.SetSQL(create);
        query.ExecSQL();
        for (const char* grant : grants) {
            query.SetSQL(grant);
            query.ExecSQL();
        }
    } catch (const std::exception&) {
    }
}

}  // namespace

LoopMode loopMode() { return currentMode; }
void setLoopMode(LoopMode mode) { currentMode = mode; }

void actualizeazaBaza(const Pass& pass, const std::string& name) {
    const std::string& connectionName = pass.connection.DatabaseName();
    const std::string label(pass.versionLabel);

    if (!relationExists(connectionName, sql::kProbeLogupdate))
        createTable(connectionName, sql::kCreateLogupdate, sql::kGrantsLogupdate);
    // A new company database has no statement log yet; without one it could
    // never be updated.
    if (!relationExists(connectionName, sql::kProbeFrazeupgrade))
        createTable(connectionName, sql::kCreateFrazeupgrade, sql::kGrantsFrazeupgrade);

    db::Query log;
    log.SetDatabaseName(connectionName);
    log.SetSQL(sql::kTryLock);
    log.Open();
    const bool locked = log.FieldByName("obtinut").AsString() == "t";
    log.Close();
    if (locked) {
        log.SetSQL(sql::kCloseDeadPasses);
        log.ParamByName("pversiuneUpdate").SetAsString(label);
        log.ExecSQL();
    }

    log.SetSQL(sql::kCountPasses);
    log.ParamByName("pversiuneUpdate").SetAsString(companies::trim(label));
    log.Open();
    const long long passes = log.FieldByName("nr").AsInteger();
    log.Close();

    if (passes > 0 || !locked) {
        log.SetSQL(sql::kRefuse);
        log.ParamByName("pversiuneUpdate").SetAsString(label);
        log.ExecSQL();
        pass.report.Add("UPDATE a fost deja efectuat pentru " + name);
    } else {
        log.SetSQL(sql::kDeleteRerunDeletes);
        log.ExecSQL();
        log.SetSQL(sql::kDeleteRerunSetting193);
        log.ExecSQL();
        log.SetSQL(sql::kInsertPass);
        log.ParamByName("pversiuneUpdate").SetAsString(label);
        log.ExecSQL();
        log.SetSQL(sql::kPassId);
        log.Open();
        const long long passId = log.FieldByName("idlogupdate").AsInteger();
        log.Close();

        // Safe during the loop: a commit lost in a server crash loses a row's
        // record together with its effect, so the row simply runs again.
        log.SetSQL(sql::kAsynchronousCommit);
        log.ExecSQL();
        log.SetSQL(sql::kDayFirstDates);
        log.ExecSQL();
        auto notApplied = [&](std::string_view text) { pass.notApplied.Add(std::string(text)); };
        if (currentMode == LoopMode::Pipeline)
            runStatementsPipelined(pass.connection, pass.statements, notApplied, pass.progress);
        else
            runStatementsOneByOne(pass.connection, pass.statements, notApplied, pass.progress);
        // Back to durable commits: the end of the pass makes all before it durable.
        log.SetSQL(sql::kSynchronousCommit);
        log.ExecSQL();

        log.SetSQL(sql::kEndPass);
        log.ParamByName("pversiuneUpdate").SetAsString(label);
        log.ParamByName("pidlogupdate").SetAsInteger(passId);
        log.ExecSQL();
    }
    if (locked) {
        log.SetSQL(sql::kUnlock);
        log.Open();
        log.Close();
    }
}

}  // namespace engine
