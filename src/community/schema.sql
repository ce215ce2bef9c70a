-- Community exchange database for Cinelog (MariaDB 10.4 or later).
--
-- Load it into an empty database chosen with USE; loading it again changes nothing. Text columns
-- take the 255 characters a catalogue text column holds, web links take what a catalogue memo
-- holds, and numbers are signed 32-bit like the catalogue's. Comparisons ignore letter case, as the
-- catalogue's do, so a title or a name is found however it was typed.
--
-- Members connect with an account that has the role cinelog_member: it may read, add and change
-- records, never delete them or change the tables. Create the account with your own password:
--   CREATE USER 'cinelog'@'%' IDENTIFIED BY '...';
--   GRANT cinelog_member TO 'cinelog'@'%';
--   SET DEFAULT ROLE cinelog_member FOR 'cinelog'@'%';

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

CREATE ROLE IF NOT EXISTS cinelog_member;
GRANT SELECT, INSERT, UPDATE ON Movies TO cinelog_member;
GRANT SELECT, INSERT, UPDATE ON Directors TO cinelog_member;
GRANT SELECT, INSERT, UPDATE ON Actors TO cinelog_member;
GRANT SELECT, INSERT, UPDATE ON MovActLink TO cinelog_member;
GRANT SELECT, INSERT, UPDATE ON Episodes TO cinelog_member;
