-- The four tables of vorlen's database and its first operator account, on a PostgreSQL server
-- that several counters share. The database should use the UTF8 encoding.
-- The rules are those of the embedded database (app/schema.sql), kept by PostgreSQL itself, so
-- that a counter behaves on the server as it does on SQLite:
--  * money and quantities are double precision: the grid shows 12.5 as on SQLite (a NUMERIC
--    column would show the 12.500000 the forms write), a division by zero is refused, and only
--    finite numbers are taken;
--  * dates are "yyyy-mm-dd" and sale times "yyyy-mm-dd hh:mm:ss", real dates and nothing else,
--    kept as the text the program writes: the stock query matches part of an expiry date with
--    LIKE, the reports compare with range ends such as '... 23:59:59.999', and a date column
--    would quietly take other spellings (2003/11/24) that SQLite refuses;
--  * texts compare and sort by their bytes (collation "C"), as on SQLite, whatever the
--    database's own collation; they have no length limit, as SQLite enforces none;
--  * the stock key is the primary key of 存: a second stock-in of an item fails its INSERT;
--  * no foreign keys: a stock row may go while its purchases and sales stay.
-- Two counters changing one stock row at once are serialised by the row lock of their UPDATE:
-- both changes count.
-- Statements are separated by a semicolon at the end of a line.

-- The kinds of value the tables hold.
CREATE DOMAIN text_value AS varchar COLLATE "C";
CREATE DOMAIN date_text AS varchar COLLATE "C"
    CHECK (VALUE ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$' AND to_char(VALUE::date, 'YYYY-MM-DD') = VALUE);
CREATE DOMAIN time_text AS varchar COLLATE "C"
    CHECK (VALUE ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$'
           AND to_char(VALUE::timestamp, 'YYYY-MM-DD HH24:MI:SS') = VALUE);
CREATE DOMAIN finite_number AS double precision
    CHECK (VALUE > '-Infinity' AND VALUE < 'Infinity');

CREATE TABLE 进 (
    采购日期 date_text NOT NULL,
    采购人 text_value NOT NULL,
    大类 text_value NOT NULL,
    小类 text_value NOT NULL,
    编号 text_value NOT NULL,
    名称 text_value NOT NULL,
    产地 text_value NOT NULL,
    规格型号 text_value NOT NULL,
    批号 text_value NOT NULL,
    有效截止日期 date_text NOT NULL,
    进价 finite_number NOT NULL,
    数量 finite_number NOT NULL
);

CREATE TABLE 存 (
    名称 text_value NOT NULL,
    产地 text_value NOT NULL,
    规格型号 text_value NOT NULL,
    有效截止日期 date_text NOT NULL,
    平均成本单价 finite_number NOT NULL,
    现有存货量 finite_number NOT NULL,
    PRIMARY KEY (名称, 产地, 规格型号, 有效截止日期)
);

CREATE TABLE 销 (
    日期时间 time_text NOT NULL,
    名称 text_value NOT NULL,
    产地 text_value NOT NULL,
    规格型号 text_value NOT NULL,
    有效截止日期 date_text NOT NULL,
    零售价 finite_number NOT NULL,
    数量 finite_number NOT NULL,
    销售类型 text_value NOT NULL,
    实收金额 finite_number NOT NULL,
    坏帐 integer NOT NULL DEFAULT 0 CHECK (坏帐 IN (0, 1))
);

CREATE TABLE 操作员 (
    用户名 text_value NOT NULL PRIMARY KEY,
    密码 text_value NOT NULL
);

-- Today's list, the sales query and every sales report select a range of sale times, the
-- purchase query and reports a range of purchase dates; the reports join 销 with 存 on the
-- primary key of 存.
CREATE INDEX 销_日期时间 ON 销 (日期时间);
CREATE INDEX 进_采购日期 ON 进 (采购日期);

INSERT INTO 操作员 (用户名, 密码) VALUES ('管理员', '739');
