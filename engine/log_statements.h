#pragma once

// The statements of the engine's own protocol, exactly as every updater of
// this application writes them into the company databases.
namespace engine::sql {

inline constexpr const char* kProbeLogupdate =
    "select length(cast(a as varchar(200))) existaTabela from (SELECT (to_regclass('logupdate')) a) d";
inline constexpr const char* kProbeFrazeupgrade =
    "select length(cast(a as varchar(200))) existaTabela from (SELECT (to_regclass('frazeupgrade')) a) d";

inline constexpr const char* kCreateLogupdate =
    "CREATE TABLE logupdate ( \t\tidlogupdate SERIAL NOT NULL,\t\tversiuneUpdate VARCHAR(254) NOT NULL,\t\t"
    "momentstart TIMESTAMP NOT NULL DEFAULT current_timestamp,\t\tmomentend TIMESTAMP, \t\tmodul VARCHAR(100) NOT "
    "NULL,\t\tdescriere TEXT NOT NULL,\t\texecutat VARCHAR(1), \t\tPRIMARY KEY (idlogupdate) \t)";
inline constexpr const char* kGrantsLogupdate[] = {
    "GRANT ALL PRIVILEGES                 ON TABLE logupdate TO GROUP grupadmin WITH GRANT OPTION",
    "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE logupdate TO GROUP gruppreluare",
    "GRANT SELECT                         ON TABLE logupdate TO GROUP grupvizualizare",
};

// The statement log's own definition and grants, as the script's first rows
// write them, for a database that does not have it yet.
inline constexpr const char* kCreateFrazeupgrade =
    "CREATE TABLE  frazeupgrade(   fraza text,\tmoment TIMESTAMP NOT NULL DEFAULT current_timestamp,\tUNIQUE (fraza))";
inline constexpr const char* kGrantsFrazeupgrade[] = {
    "GRANT ALL PRIVILEGES                 ON TABLE frazeupgrade TO GROUP grupadmin WITH GRANT OPTION",
    "GRANT SELECT, INSERT, DELETE, UPDATE ON TABLE frazeupgrade TO GROUP gruppreluare",
    "GRANT SELECT                         ON TABLE frazeupgrade TO GROUP grupvizualizare",
};

inline constexpr const char* kCountPasses =
    "SELECT count(*) nr FROM logupdate WHERE versiuneUpdate = :pversiuneUpdate AND (executat = 'Y' OR executat IS "
    "NULL)";
inline constexpr const char* kRefuse =
    "UPDATE logupdate SET momentend = now(), executat = 'N' WHERE versiuneUpdate = :pversiuneUpdate AND momentend "
    "IS NULL ";
inline constexpr const char* kDeleteRerunDeletes =
    "DELETE FROM frazeupgrade WHERE fraza like '%DELETE FROM frazeupgrade WHERE fraza%' ";
inline constexpr const char* kDeleteRerunSetting193 =
    "DELETE FROM frazeupgrade WHERE fraza like '%UPDATE setaridiverse SET valoarecurenta = 1 WHERE idsetaridiverse = "
    "193%' ";
inline constexpr const char* kInsertPass =
    "INSERT INTO logupdate (versiuneUpdate, modul, descriere) VALUES (:pversiuneUpdate, 'Velantrix', 'update')";
inline constexpr const char* kPassId =
    "SELECT idlogupdate FROM logupdate WHERE executat IS NULL ORDER BY momentstart DESC LIMIT 1";
inline constexpr const char* kRecord = "INSERT INTO frazeupgrade (fraza) VALUES (:pfraza)";
inline constexpr const char* kEndPass =
    "UPDATE logupdate SET momentend = now(), executat = 'Y' WHERE versiuneUpdate = :pversiuneUpdate AND "
    "idlogupdate = :pidlogupdate";

// Our additions around the protocol. One updater at a time per database: the
// lock lives as long as the session, so a killed updater releases it.
inline constexpr const char* kTryLock = "SELECT pg_try_advisory_lock(7381942051) obtinut";
inline constexpr const char* kUnlock = "SELECT pg_advisory_unlock(7381942051)";
// A pass of this release left open while nobody holds the lock was
// interrupted: it is closed, and the release passes again.
inline constexpr const char* kCloseDeadPasses =
    "UPDATE logupdate SET momentend = now(), executat = 'N' WHERE versiuneUpdate = :pversiuneUpdate AND executat "
    "IS NULL";
inline constexpr const char* kAsynchronousCommit = "SET synchronous_commit = off";
// The script writes its date literals day first (dd.mm.yyyy), as the
// application's servers read them.
inline constexpr const char* kDayFirstDates = "SET DateStyle = 'ISO, DMY'";
inline constexpr const char* kSynchronousCommit = "RESET synchronous_commit";

}  // namespace engine::sql
