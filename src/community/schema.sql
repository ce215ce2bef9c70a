-- Community exchange database for Cinelog (MariaDB 10.4 or later).
--
-- Load it into an empty database chosen with USE, as an administrator (it creates triggers,
-- procedures and roles); loading it again, or over a database made by an earlier version, changes
-- no record. Text columns take the 255 characters a catalogue text column holds, web links take
-- what a catalogue memo holds, and numbers are signed 32-bit like the catalogue's. Comparisons
-- ignore letter case, as the catalogue's do, so a title or a name is found however it was typed.
--
-- Who may do what (enforced here, whatever program a member connects with):
--
--   cinelog_member     every member's role. Reads everything; adds movies, directors, actors,
--                      cast links and episodes (never choosing the ID); fills EMPTY fields through
--                      the procedures FillMovie, FillDirector, FillActor and FillPart, which change
--                      nothing that already holds a value. It cannot change a filled field, delete
--                      a record or change a table.
--   cinelog_moderator  reads, adds, corrects and deletes records, reads the log, and lists and undoes
--                      one member's contributions:
--                        CALL ListContributions('name');   -- what the member added and filled
--                        CALL UndoContributions('name');   -- removes all of it (see below)
--
-- One account per member, each with its own password, made by the operator with
--   CALL AddMember('name', 'password', max_user_connections, max_queries_per_hour, max_statement_time);
-- where NULL for a limit takes its default: 4 connections at a time, 50000 statements an hour,
-- 8 seconds per statement. The account takes connections from any address and only encrypted ones
-- (REQUIRE SSL). A moderator's account: CALL AddModerator('name', 'password').
--
-- The log: every added record and every filled or changed field is written to Contributions by
-- triggers, with the member account of the connection (USER(), the account that logged in, also
-- inside the procedures), the time, the table, the row, the column and the value before and after.
-- Members cannot read or change it.

CREATE TABLE IF NOT EXISTS Movies (
    ID          INT NOT NULL AUTO_INCREMENT,
    Title       VARCHAR(255) NULL,
    Director    VARCHAR(255) NULL,
    Genre1      VARCHAR(255) NULL,
    Genre2      VARCHAR(255) NULL,
    Genre3      VARCHAR(255) NULL,
    ReleaseYear VARCHAR(255) NULL,
    RunningTime VARCHAR(255) NULL,
    NumDiscs    VARCHAR(255) NULL,
    URL         MEDIUMTEXT NULL,
    OrderBy     VARCHAR(255) NULL,
    EpisodeDisc INT NULL DEFAULT 0,
    UploadedBy  VARCHAR(255) NULL,
    PRIMARY KEY (ID),
    KEY idxMoviesTitle (Title, ReleaseYear)
) ENGINE = InnoDB DEFAULT CHARSET = utf8mb4 COLLATE = utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS Directors (
    ID       INT NOT NULL AUTO_INCREMENT,
    Director VARCHAR(255) NULL,
    URL      MEDIUMTEXT NULL,
    PRIMARY KEY (ID),
    KEY idxDirectorsDirector (Director)
) ENGINE = InnoDB DEFAULT CHARSET = utf8mb4 COLLATE = utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS Actors (
    ID    INT NOT NULL AUTO_INCREMENT,
    Actor VARCHAR(255) NULL,
    URL   MEDIUMTEXT NULL,
    PRIMARY KEY (ID),
    KEY idxActorsActor (Actor)
) ENGINE = InnoDB DEFAULT CHARSET = utf8mb4 COLLATE = utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS MovActLink (
    ID        INT NOT NULL AUTO_INCREMENT,
    MovID     INT NOT NULL,
    ActID     INT NOT NULL,
    PlayingAs VARCHAR(255) NULL,
    PRIMARY KEY (ID),
    KEY idxMovActLinkMovAct (MovID, ActID)
) ENGINE = InnoDB DEFAULT CHARSET = utf8mb4 COLLATE = utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS Episodes (
    episodeID INT NOT NULL AUTO_INCREMENT,
    MovID     INT NOT NULL,
    Title     VARCHAR(255) NULL,
    epsNum    INT NULL,
    discNum   INT NULL,
    PRIMARY KEY (episodeID),
    KEY idxEpisodesMovID (MovID)
) ENGINE = InnoDB DEFAULT CHARSET = utf8mb4 COLLATE = utf8mb4_unicode_ci;

-- Action: 'insert' (a record was added; ColumnName is empty, NewValue names the record), 'fill' (an
-- empty field got a value), 'change' (a moderator changed a value), 'delete' (a moderator, or an
-- undo, removed the record; OldValue names it). UndoneAt/UndoneBy: when and by whom the entry was
-- undone with UndoContributions.
CREATE TABLE IF NOT EXISTS Contributions (
    ID         BIGINT NOT NULL AUTO_INCREMENT,
    At         DATETIME(6) NOT NULL,
    Member     VARCHAR(128) NOT NULL,
    FromHost   VARCHAR(255) NOT NULL,
    Action     VARCHAR(16) NOT NULL,
    TableName  VARCHAR(64) NOT NULL,
    RowID      INT NOT NULL,
    ColumnName VARCHAR(64) NULL,
    OldValue   MEDIUMTEXT NULL,
    NewValue   MEDIUMTEXT NULL,
    UndoneAt   DATETIME(6) NULL,
    UndoneBy   VARCHAR(128) NULL,
    PRIMARY KEY (ID),
    KEY idxContributionsMember (Member, ID),
    KEY idxContributionsRow (TableName, RowID)
) ENGINE = InnoDB DEFAULT CHARSET = utf8mb4 COLLATE = utf8mb4_unicode_ci;

-- One row per name an upload has locked (an MD5 key of the name as the tables compare names). An
-- upload locks the rows of every movie, actor and director name it may add, in one order, before it
-- looks them up: two uploads of the same names take turns instead of adding them twice, and never
-- wait for each other in a circle. The rows hold nothing else; the table may be emptied while no
-- upload runs.
CREATE TABLE IF NOT EXISTS UploadLocks (
    Name CHAR(32) CHARACTER SET ascii COLLATE ascii_bin NOT NULL,
    PRIMARY KEY (Name)
) ENGINE = InnoDB;

DELIMITER //

-- The account name of the connection, from USER() ("name@host"; the name may not hold '@' in
-- accounts made by AddMember, but the host part is cut at the last '@' in any case).
CREATE OR REPLACE FUNCTION ContributorName() RETURNS VARCHAR(128) CHARACTER SET utf8mb4 NOT DETERMINISTIC NO SQL
    RETURN LEFT(USER(), CHAR_LENGTH(USER()) - CHAR_LENGTH(SUBSTRING_INDEX(USER(), '@', -1)) - 1) //
CREATE OR REPLACE FUNCTION ContributorHost() RETURNS VARCHAR(255) CHARACTER SET utf8mb4 NOT DETERMINISTIC NO SQL
    RETURN SUBSTRING_INDEX(USER(), '@', -1) //

CREATE OR REPLACE PROCEDURE LogContribution(pAction VARCHAR(16), pTable VARCHAR(64), pRow INT, pColumn VARCHAR(64),
                                            pOld MEDIUMTEXT, pNew MEDIUMTEXT)
    MODIFIES SQL DATA
    INSERT INTO Contributions (At, Member, FromHost, Action, TableName, RowID, ColumnName, OldValue, NewValue)
    VALUES (NOW(6), ContributorName(), ContributorHost(), pAction, pTable, pRow, pColumn, pOld, pNew) //

-- One changed field: 'fill' when it was empty, 'change' otherwise; nothing when it did not change.
CREATE OR REPLACE PROCEDURE LogField(pTable VARCHAR(64), pRow INT, pColumn VARCHAR(64), pOld MEDIUMTEXT, pNew MEDIUMTEXT)
    MODIFIES SQL DATA
BEGIN
    IF NOT (BINARY pOld <=> BINARY pNew) THEN
        CALL LogContribution(IF(pOld IS NULL OR CHAR_LENGTH(pOld) = 0, 'fill', 'change'), pTable, pRow, pColumn, pOld, pNew);
    END IF;
END //

CREATE OR REPLACE TRIGGER MoviesLogInsert AFTER INSERT ON Movies FOR EACH ROW
    CALL LogContribution('insert', 'Movies', NEW.ID, NULL, NULL, CONCAT_WS(' / ', NEW.Title, NEW.ReleaseYear)) //
CREATE OR REPLACE TRIGGER MoviesLogUpdate AFTER UPDATE ON Movies FOR EACH ROW
BEGIN
    CALL LogField('Movies', OLD.ID, 'Title', OLD.Title, NEW.Title);
    CALL LogField('Movies', OLD.ID, 'Director', OLD.Director, NEW.Director);
    CALL LogField('Movies', OLD.ID, 'Genre1', OLD.Genre1, NEW.Genre1);
    CALL LogField('Movies', OLD.ID, 'Genre2', OLD.Genre2, NEW.Genre2);
    CALL LogField('Movies', OLD.ID, 'Genre3', OLD.Genre3, NEW.Genre3);
    CALL LogField('Movies', OLD.ID, 'ReleaseYear', OLD.ReleaseYear, NEW.ReleaseYear);
    CALL LogField('Movies', OLD.ID, 'RunningTime', OLD.RunningTime, NEW.RunningTime);
    CALL LogField('Movies', OLD.ID, 'NumDiscs', OLD.NumDiscs, NEW.NumDiscs);
    CALL LogField('Movies', OLD.ID, 'URL', OLD.URL, NEW.URL);
    CALL LogField('Movies', OLD.ID, 'OrderBy', OLD.OrderBy, NEW.OrderBy);
    CALL LogField('Movies', OLD.ID, 'EpisodeDisc', OLD.EpisodeDisc, NEW.EpisodeDisc);
    CALL LogField('Movies', OLD.ID, 'UploadedBy', OLD.UploadedBy, NEW.UploadedBy);
END //
CREATE OR REPLACE TRIGGER MoviesLogDelete AFTER DELETE ON Movies FOR EACH ROW
    CALL LogContribution('delete', 'Movies', OLD.ID, NULL, CONCAT_WS(' / ', OLD.Title, OLD.ReleaseYear), NULL) //

CREATE OR REPLACE TRIGGER DirectorsLogInsert AFTER INSERT ON Directors FOR EACH ROW
    CALL LogContribution('insert', 'Directors', NEW.ID, NULL, NULL, NEW.Director) //
CREATE OR REPLACE TRIGGER DirectorsLogUpdate AFTER UPDATE ON Directors FOR EACH ROW
BEGIN
    CALL LogField('Directors', OLD.ID, 'Director', OLD.Director, NEW.Director);
    CALL LogField('Directors', OLD.ID, 'URL', OLD.URL, NEW.URL);
END //
CREATE OR REPLACE TRIGGER DirectorsLogDelete AFTER DELETE ON Directors FOR EACH ROW
    CALL LogContribution('delete', 'Directors', OLD.ID, NULL, OLD.Director, NULL) //

CREATE OR REPLACE TRIGGER ActorsLogInsert AFTER INSERT ON Actors FOR EACH ROW
    CALL LogContribution('insert', 'Actors', NEW.ID, NULL, NULL, NEW.Actor) //
CREATE OR REPLACE TRIGGER ActorsLogUpdate AFTER UPDATE ON Actors FOR EACH ROW
BEGIN
    CALL LogField('Actors', OLD.ID, 'Actor', OLD.Actor, NEW.Actor);
    CALL LogField('Actors', OLD.ID, 'URL', OLD.URL, NEW.URL);
END //
CREATE OR REPLACE TRIGGER ActorsLogDelete AFTER DELETE ON Actors FOR EACH ROW
    CALL LogContribution('delete', 'Actors', OLD.ID, NULL, OLD.Actor, NULL) //

CREATE OR REPLACE TRIGGER MovActLinkLogInsert AFTER INSERT ON MovActLink FOR EACH ROW
    CALL LogContribution('insert', 'MovActLink', NEW.ID, NULL, NULL, CONCAT_WS(' / ', NEW.MovID, NEW.ActID, NEW.PlayingAs)) //
CREATE OR REPLACE TRIGGER MovActLinkLogUpdate AFTER UPDATE ON MovActLink FOR EACH ROW
BEGIN
    CALL LogField('MovActLink', OLD.ID, 'MovID', OLD.MovID, NEW.MovID);
    CALL LogField('MovActLink', OLD.ID, 'ActID', OLD.ActID, NEW.ActID);
    CALL LogField('MovActLink', OLD.ID, 'PlayingAs', OLD.PlayingAs, NEW.PlayingAs);
END //
CREATE OR REPLACE TRIGGER MovActLinkLogDelete AFTER DELETE ON MovActLink FOR EACH ROW
    CALL LogContribution('delete', 'MovActLink', OLD.ID, NULL, CONCAT_WS(' / ', OLD.MovID, OLD.ActID, OLD.PlayingAs), NULL) //

CREATE OR REPLACE TRIGGER EpisodesLogInsert AFTER INSERT ON Episodes FOR EACH ROW
    CALL LogContribution('insert', 'Episodes', NEW.episodeID, NULL, NULL, CONCAT_WS(' / ', NEW.MovID, NEW.Title)) //
CREATE OR REPLACE TRIGGER EpisodesLogUpdate AFTER UPDATE ON Episodes FOR EACH ROW
BEGIN
    CALL LogField('Episodes', OLD.episodeID, 'MovID', OLD.MovID, NEW.MovID);
    CALL LogField('Episodes', OLD.episodeID, 'Title', OLD.Title, NEW.Title);
    CALL LogField('Episodes', OLD.episodeID, 'epsNum', OLD.epsNum, NEW.epsNum);
    CALL LogField('Episodes', OLD.episodeID, 'discNum', OLD.discNum, NEW.discNum);
END //
CREATE OR REPLACE TRIGGER EpisodesLogDelete AFTER DELETE ON Episodes FOR EACH ROW
    CALL LogContribution('delete', 'Episodes', OLD.episodeID, NULL, CONCAT_WS(' / ', OLD.MovID, OLD.Title), NULL) //

-- The fill procedures: each sets a field only while it is empty (no value, or empty text) and the
-- new value is not empty; a field that holds a value keeps it. They run with the rights of their
-- creator, so members need no right to change the tables themselves.
CREATE OR REPLACE PROCEDURE FillMovie(pID INT, pDirector VARCHAR(255), pReleaseYear VARCHAR(255),
                                      pRunningTime VARCHAR(255), pURL MEDIUMTEXT)
    MODIFIES SQL DATA SQL SECURITY DEFINER
    UPDATE Movies SET
        Director = IF((Director IS NULL OR CHAR_LENGTH(Director) = 0) AND CHAR_LENGTH(pDirector) > 0, pDirector, Director),
        ReleaseYear = IF((ReleaseYear IS NULL OR CHAR_LENGTH(ReleaseYear) = 0) AND CHAR_LENGTH(pReleaseYear) > 0,
                         pReleaseYear, ReleaseYear),
        RunningTime = IF((RunningTime IS NULL OR CHAR_LENGTH(RunningTime) = 0) AND CHAR_LENGTH(pRunningTime) > 0,
                         pRunningTime, RunningTime),
        URL = IF((URL IS NULL OR CHAR_LENGTH(URL) = 0) AND CHAR_LENGTH(pURL) > 0, pURL, URL)
    WHERE ID = pID //

CREATE OR REPLACE PROCEDURE FillDirector(pID INT, pURL MEDIUMTEXT)
    MODIFIES SQL DATA SQL SECURITY DEFINER
    UPDATE Directors SET URL = pURL WHERE ID = pID AND (URL IS NULL OR CHAR_LENGTH(URL) = 0) AND CHAR_LENGTH(pURL) > 0 //

CREATE OR REPLACE PROCEDURE FillActor(pID INT, pURL MEDIUMTEXT)
    MODIFIES SQL DATA SQL SECURITY DEFINER
    UPDATE Actors SET URL = pURL WHERE ID = pID AND (URL IS NULL OR CHAR_LENGTH(URL) = 0) AND CHAR_LENGTH(pURL) > 0 //

-- The role of an existing cast link (pID is the link's ID).
CREATE OR REPLACE PROCEDURE FillPart(pID INT, pPlayingAs VARCHAR(255))
    MODIFIES SQL DATA SQL SECURITY DEFINER
    UPDATE MovActLink SET PlayingAs = pPlayingAs
    WHERE ID = pID AND (PlayingAs IS NULL OR CHAR_LENGTH(PlayingAs) = 0) AND CHAR_LENGTH(pPlayingAs) > 0 //

-- Locks the names of pNames (MD5 keys in hexadecimal, separated by commas, at most 1000) for the
-- rest of the caller's transaction, in the order given.
CREATE OR REPLACE PROCEDURE LockNames(pNames TEXT CHARACTER SET ascii)
    MODIFIES SQL DATA SQL SECURITY DEFINER
BEGIN
    DECLARE rest TEXT CHARACTER SET ascii DEFAULT COALESCE(pNames, '');
    DECLARE one TEXT CHARACTER SET ascii;
    DECLARE taken INT DEFAULT 0;
    WHILE CHAR_LENGTH(rest) > 0 DO
        SET one = SUBSTRING_INDEX(rest, ',', 1);
        SET rest = IF(LOCATE(',', rest) > 0, SUBSTRING(rest, LOCATE(',', rest) + 1), '');
        SET taken = taken + 1;
        IF one NOT REGEXP '^[0-9a-f]{32}$' OR taken > 1000 THEN
            SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'LockNames takes up to 1000 MD5 keys separated by commas';
        END IF;
        INSERT INTO UploadLocks (Name) VALUES (one) ON DUPLICATE KEY UPDATE Name = VALUES(Name);
    END WHILE;
END //

-- Every log entry of one member, oldest first.
CREATE OR REPLACE PROCEDURE ListContributions(pMember VARCHAR(128))
    READS SQL DATA SQL SECURITY DEFINER
    SELECT ID, At, Action, TableName, RowID, ColumnName, OldValue, NewValue, UndoneAt, UndoneBy
    FROM Contributions WHERE Member = pMember ORDER BY ID //

-- Undoes everything one member added or filled that is not undone yet, in one transaction:
--   * each field the member filled goes back to its old value, unless someone changed it since;
--   * each record the member added is deleted, and with a movie its cast links and episodes, with
--     an actor its cast links (whoever added those: they mean nothing without the record);
--   * the member's log entries are marked undone. The deletions are logged as the moderator's.
-- Returns one row: the number of records removed and of fields put back.
CREATE OR REPLACE PROCEDURE UndoContributions(pMember VARCHAR(128))
    MODIFIES SQL DATA SQL SECURITY DEFINER
BEGIN
    DECLARE removed INT DEFAULT 0;
    DECLARE restored INT DEFAULT 0;
    DECLARE EXIT HANDLER FOR SQLEXCEPTION
    BEGIN
        ROLLBACK;
        DROP TEMPORARY TABLE IF EXISTS UndoEntries;
        RESIGNAL;
    END;
    START TRANSACTION;
    -- A copy: the tables' triggers write to Contributions while these statements read the entries.
    CREATE OR REPLACE TEMPORARY TABLE UndoEntries ENGINE = InnoDB AS
        SELECT ID, Action, TableName, RowID, ColumnName, OldValue, NewValue
        FROM Contributions WHERE Member = pMember AND UndoneAt IS NULL AND Action IN ('insert', 'fill') FOR UPDATE;

    -- One statement per column: a statement changes each row once, whatever number of entries match.
    UPDATE Movies m JOIN UndoEntries u ON u.TableName = 'Movies' AND u.Action = 'fill' AND u.ColumnName = 'Director'
                                      AND u.RowID = m.ID AND BINARY m.Director <=> BINARY u.NewValue
        SET m.Director = u.OldValue;
    SET restored = restored + ROW_COUNT();
    UPDATE Movies m JOIN UndoEntries u ON u.TableName = 'Movies' AND u.Action = 'fill' AND u.ColumnName = 'ReleaseYear'
                                      AND u.RowID = m.ID AND BINARY m.ReleaseYear <=> BINARY u.NewValue
        SET m.ReleaseYear = u.OldValue;
    SET restored = restored + ROW_COUNT();
    UPDATE Movies m JOIN UndoEntries u ON u.TableName = 'Movies' AND u.Action = 'fill' AND u.ColumnName = 'RunningTime'
                                      AND u.RowID = m.ID AND BINARY m.RunningTime <=> BINARY u.NewValue
        SET m.RunningTime = u.OldValue;
    SET restored = restored + ROW_COUNT();
    UPDATE Movies m JOIN UndoEntries u ON u.TableName = 'Movies' AND u.Action = 'fill' AND u.ColumnName = 'URL'
                                      AND u.RowID = m.ID AND BINARY m.URL <=> BINARY u.NewValue
        SET m.URL = u.OldValue;
    SET restored = restored + ROW_COUNT();
    UPDATE Directors d JOIN UndoEntries u ON u.TableName = 'Directors' AND u.Action = 'fill' AND u.ColumnName = 'URL'
                                         AND u.RowID = d.ID AND BINARY d.URL <=> BINARY u.NewValue
        SET d.URL = u.OldValue;
    SET restored = restored + ROW_COUNT();
    UPDATE Actors a JOIN UndoEntries u ON u.TableName = 'Actors' AND u.Action = 'fill' AND u.ColumnName = 'URL'
                                      AND u.RowID = a.ID AND BINARY a.URL <=> BINARY u.NewValue
        SET a.URL = u.OldValue;
    SET restored = restored + ROW_COUNT();
    UPDATE MovActLink l JOIN UndoEntries u ON u.TableName = 'MovActLink' AND u.Action = 'fill' AND u.ColumnName = 'PlayingAs'
                                          AND u.RowID = l.ID AND BINARY l.PlayingAs <=> BINARY u.NewValue
        SET l.PlayingAs = u.OldValue;
    SET restored = restored + ROW_COUNT();

    DELETE l FROM MovActLink l JOIN UndoEntries u ON u.Action = 'insert'
        AND ((u.TableName = 'MovActLink' AND u.RowID = l.ID) OR (u.TableName = 'Movies' AND u.RowID = l.MovID)
             OR (u.TableName = 'Actors' AND u.RowID = l.ActID));
    SET removed = removed + ROW_COUNT();
    DELETE e FROM Episodes e JOIN UndoEntries u ON u.Action = 'insert'
        AND ((u.TableName = 'Episodes' AND u.RowID = e.episodeID) OR (u.TableName = 'Movies' AND u.RowID = e.MovID));
    SET removed = removed + ROW_COUNT();
    DELETE m FROM Movies m JOIN UndoEntries u ON u.Action = 'insert' AND u.TableName = 'Movies' AND u.RowID = m.ID;
    SET removed = removed + ROW_COUNT();
    DELETE a FROM Actors a JOIN UndoEntries u ON u.Action = 'insert' AND u.TableName = 'Actors' AND u.RowID = a.ID;
    SET removed = removed + ROW_COUNT();
    DELETE d FROM Directors d JOIN UndoEntries u ON u.Action = 'insert' AND u.TableName = 'Directors' AND u.RowID = d.ID;
    SET removed = removed + ROW_COUNT();

    UPDATE Contributions c JOIN UndoEntries u ON u.ID = c.ID SET c.UndoneAt = NOW(6), c.UndoneBy = ContributorName();
    DROP TEMPORARY TABLE UndoEntries;
    COMMIT;
    SELECT removed AS RecordsRemoved, restored AS FieldsRestored;
END //

-- The account procedures, run by the operator with his own rights (he needs CREATE USER and the
-- roles WITH ADMIN OPTION; root has both). Names: 1 to 32 letters, digits, '_', '.', '-'.
CREATE OR REPLACE PROCEDURE CreateAccount(pName VARCHAR(128), pPassword VARCHAR(255), pRole VARCHAR(64), pLimits TEXT)
    MODIFIES SQL DATA SQL SECURITY INVOKER
BEGIN
    IF pName IS NULL OR pName NOT REGEXP '^[A-Za-z0-9_.-]{1,32}$' THEN
        SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'An account name holds 1 to 32 letters, digits, _ . or -';
    END IF;
    IF pPassword IS NULL OR CHAR_LENGTH(pPassword) < 8 THEN
        SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A password holds at least 8 characters';
    END IF;
    SET @cinelog_account = CONCAT(QUOTE(pName), '@''%''');
    SET @cinelog_sql = CONCAT('CREATE USER ', @cinelog_account, ' IDENTIFIED BY ', QUOTE(pPassword), ' REQUIRE SSL', pLimits);
    PREPARE s FROM @cinelog_sql;
    EXECUTE s;
    DEALLOCATE PREPARE s;
    SET @cinelog_sql = CONCAT('GRANT ', pRole, ' TO ', @cinelog_account);
    PREPARE s FROM @cinelog_sql;
    EXECUTE s;
    DEALLOCATE PREPARE s;
    SET @cinelog_sql = CONCAT('SET DEFAULT ROLE ', pRole, ' FOR ', @cinelog_account);
    PREPARE s FROM @cinelog_sql;
    EXECUTE s;
    DEALLOCATE PREPARE s;
    SET @cinelog_sql = NULL;
END //

CREATE OR REPLACE PROCEDURE AddMember(pName VARCHAR(128), pPassword VARCHAR(255), pMaxConnections INT,
                                      pMaxQueriesPerHour INT, pMaxStatementSeconds INT)
    MODIFIES SQL DATA SQL SECURITY INVOKER
    CALL CreateAccount(pName, pPassword, 'cinelog_member',
                       CONCAT(' WITH MAX_USER_CONNECTIONS ', GREATEST(1, COALESCE(pMaxConnections, 4)),
                              ' MAX_QUERIES_PER_HOUR ', GREATEST(1, COALESCE(pMaxQueriesPerHour, 50000)),
                              ' MAX_STATEMENT_TIME ', GREATEST(1, COALESCE(pMaxStatementSeconds, 8)))) //

CREATE OR REPLACE PROCEDURE AddModerator(pName VARCHAR(128), pPassword VARCHAR(255))
    MODIFIES SQL DATA SQL SECURITY INVOKER
    CALL CreateAccount(pName, pPassword, 'cinelog_moderator', ' WITH MAX_USER_CONNECTIONS 4') //

DELIMITER ;

CREATE ROLE IF NOT EXISTS cinelog_member;
CREATE ROLE IF NOT EXISTS cinelog_moderator;

-- Earlier versions let members change any field: that right goes (granted first so that revoking
-- it works whether or not it was there).
GRANT UPDATE ON Movies TO cinelog_member;
GRANT UPDATE ON Directors TO cinelog_member;
GRANT UPDATE ON Actors TO cinelog_member;
GRANT UPDATE ON MovActLink TO cinelog_member;
GRANT UPDATE ON Episodes TO cinelog_member;
REVOKE UPDATE ON Movies FROM cinelog_member;
REVOKE UPDATE ON Directors FROM cinelog_member;
REVOKE UPDATE ON Actors FROM cinelog_member;
REVOKE UPDATE ON MovActLink FROM cinelog_member;
REVOKE UPDATE ON Episodes FROM cinelog_member;
GRANT INSERT ON Movies TO cinelog_member;
GRANT INSERT ON Directors TO cinelog_member;
GRANT INSERT ON Actors TO cinelog_member;
GRANT INSERT ON MovActLink TO cinelog_member;
GRANT INSERT ON Episodes TO cinelog_member;
REVOKE INSERT ON Movies FROM cinelog_member;
REVOKE INSERT ON Directors FROM cinelog_member;
REVOKE INSERT ON Actors FROM cinelog_member;
REVOKE INSERT ON MovActLink FROM cinelog_member;
REVOKE INSERT ON Episodes FROM cinelog_member;

-- Members add records without choosing their ID (so nobody can take the numbers others need).
GRANT SELECT, INSERT (Title, Director, Genre1, Genre2, Genre3, ReleaseYear, RunningTime, NumDiscs, URL, OrderBy,
                      EpisodeDisc, UploadedBy) ON Movies TO cinelog_member;
GRANT SELECT, INSERT (Director, URL) ON Directors TO cinelog_member;
GRANT SELECT, INSERT (Actor, URL) ON Actors TO cinelog_member;
GRANT SELECT, INSERT (MovID, ActID, PlayingAs) ON MovActLink TO cinelog_member;
GRANT SELECT, INSERT (MovID, Title, epsNum, discNum) ON Episodes TO cinelog_member;
GRANT EXECUTE ON PROCEDURE FillMovie TO cinelog_member;
GRANT EXECUTE ON PROCEDURE FillDirector TO cinelog_member;
GRANT EXECUTE ON PROCEDURE FillActor TO cinelog_member;
GRANT EXECUTE ON PROCEDURE FillPart TO cinelog_member;
GRANT EXECUTE ON PROCEDURE LockNames TO cinelog_member;

GRANT SELECT, INSERT, UPDATE, DELETE ON Movies TO cinelog_moderator;
GRANT SELECT, INSERT, UPDATE, DELETE ON Directors TO cinelog_moderator;
GRANT SELECT, INSERT, UPDATE, DELETE ON Actors TO cinelog_moderator;
GRANT SELECT, INSERT, UPDATE, DELETE ON MovActLink TO cinelog_moderator;
GRANT SELECT, INSERT, UPDATE, DELETE ON Episodes TO cinelog_moderator;
GRANT SELECT ON Contributions TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE FillMovie TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE FillDirector TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE FillActor TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE FillPart TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE LockNames TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE ListContributions TO cinelog_moderator;
GRANT EXECUTE ON PROCEDURE UndoContributions TO cinelog_moderator;
