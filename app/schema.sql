-- The four tables of vorlen's database and its first operator account.
-- Column types are chosen so that the data source itself keeps the stock rules:
--  * money and quantities are floating (DOUBLE): NUMERIC/DECIMAL would make SQLite divide integers;
--  * every value the grid writes bare must be a number, and a division by zero (NULL) is refused;
--  * dates are "yyyy-mm-dd", sale times "yyyy-mm-dd hh:mm:ss", nothing else;
--  * no foreign keys: a stock row may go while its purchases and sales stay.
-- Statements are separated by a semicolon at the end of a line.

CREATE TABLE 进 (
    采购日期 DATE NOT NULL CHECK (date(采购日期, '+0 days') IS 采购日期),
    采购人 VARCHAR(20) NOT NULL,
    大类 VARCHAR(20) NOT NULL,
    小类 VARCHAR(20) NOT NULL,
    编号 VARCHAR(30) NOT NULL,
    名称 VARCHAR(50) NOT NULL,
    产地 VARCHAR(50) NOT NULL,
    规格型号 VARCHAR(50) NOT NULL,
    批号 VARCHAR(30) NOT NULL,
    有效截止日期 DATE NOT NULL CHECK (date(有效截止日期, '+0 days') IS 有效截止日期),
    进价 DOUBLE NOT NULL CHECK (typeof(进价) IN ('real', 'integer')),
    数量 DOUBLE NOT NULL CHECK (typeof(数量) IN ('real', 'integer'))
);

CREATE TABLE 存 (
    名称 VARCHAR(50) NOT NULL,
    产地 VARCHAR(50) NOT NULL,
    规格型号 VARCHAR(50) NOT NULL,
    有效截止日期 DATE NOT NULL CHECK (date(有效截止日期, '+0 days') IS 有效截止日期),
    平均成本单价 DOUBLE NOT NULL CHECK (typeof(平均成本单价) IN ('real', 'integer')),
    现有存货量 DOUBLE NOT NULL CHECK (typeof(现有存货量) IN ('real', 'integer')),
    PRIMARY KEY (名称, 产地, 规格型号, 有效截止日期)
);

CREATE TABLE 销 (
    日期时间 TIMESTAMP NOT NULL CHECK (datetime(日期时间, '+0 days') IS 日期时间),
    名称 VARCHAR(50) NOT NULL,
    产地 VARCHAR(50) NOT NULL,
    规格型号 VARCHAR(50) NOT NULL,
    有效截止日期 DATE NOT NULL CHECK (date(有效截止日期, '+0 days') IS 有效截止日期),
    零售价 DOUBLE NOT NULL CHECK (typeof(零售价) IN ('real', 'integer')),
    数量 DOUBLE NOT NULL CHECK (typeof(数量) IN ('real', 'integer')),
    销售类型 VARCHAR(10) NOT NULL,
    实收金额 DOUBLE NOT NULL CHECK (typeof(实收金额) IN ('real', 'integer')),
    坏帐 INTEGER NOT NULL DEFAULT 0 CHECK (坏帐 IN (0, 1))
);

-- The lists and reports pick sales and purchases by their date; the stock key is the primary key
-- of 存, by which the sales reports find each sale's stock row.
CREATE INDEX 销_日期时间 ON 销 (日期时间);
CREATE INDEX 进_采购日期 ON 进 (采购日期);

CREATE TABLE 操作员 (
    用户名 VARCHAR(20) NOT NULL PRIMARY KEY,
    密码 VARCHAR(20) NOT NULL
);

INSERT INTO 操作员 (用户名, 密码) VALUES ('管理员', '739');
