-- The library's database, as it ships: the three tables and the one default-style row.
-- Only built-in collations, so the standard sqlite3 tool can read a user's file. Strict tables
-- turn numeric text into numbers and refuse text that is not one.
CREATE TABLE Types (
  ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  TypeName TEXT COLLATE NOCASE NOT NULL DEFAULT ''
) STRICT;
CREATE INDEX TypesByName ON Types (TypeName COLLATE NOCASE);

CREATE TABLE Log (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  Title     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Type      INTEGER NOT NULL DEFAULT 0,
  FontSize  INTEGER,
  FontName  TEXT COLLATE NOCASE,
  FontColor INTEGER,
  BackColor INTEGER
) STRICT;
CREATE INDEX LogByTypeTitle ON Log (Type, Title COLLATE NOCASE);

CREATE TABLE MySet (
  ID        INTEGER PRIMARY KEY,
  FontName  TEXT COLLATE NOCASE,
  FontSize  INTEGER,
  FontColor INTEGER,
  BackColor INTEGER
) STRICT;
-- 微软雅黑 12 pt, dark grey text (&H333333) on a warm off-white (&HF5F8FA).
INSERT INTO MySet (ID, FontName, FontSize, FontColor, BackColor)
VALUES (1, '微软雅黑', 12, 3355443, 16120058);
