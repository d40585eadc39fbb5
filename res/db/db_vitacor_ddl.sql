create table if not exists tb_device (
    sn varchar(20) primary key,
    dispname varchar(50),
    hwMajor int,
    hwMinor int,
    bootloaderVer int,
    lockBit tinyint,
    hardwareVer int,
    appVer int,
    languageVer int,
    agreementVer int
);
alter table tb_device add column branchcode varchar(20) default '';
create table if not exists tb_devCheck (
    flowid varchar(40) primary key,
    sn varchar(20) references tb_device(sn) on delete cascade on update cascade,
    checkType int
);
create table if not exists tb_user (
    userid varchar(42) primary key,
    medicalid varchar(20),
    name varchar(32),
    sex tinyint,
    birthday varchar(10),
    age smallint,
    height smallint,
    weight smallint,
    isXUser tinyint
);
create table if not exists tb_devUser (
    sn varchar(20),
    userid varchar(42),
    primary key (sn, userid)
);
create table if not exists tb_check (
    flowid varchar(40) primary key,
    userid varchar(42) references tb_user(userid) on delete cascade on update cascade
);
create table if not exists tb_spotcheck (
    flowid varchar(40) primary key,
    checktime varchar(20),
    checkFunc int,
    HR int,
    QRS int,
    ST int,
    ECGResult tinyint,
    ECGFace tinyint,
    Oxi int,
    PI int,
    OxiFace tinyint,
    temp int,
    tempFace tinyint,
    voice tinyint,
    QT int,
    QTc int
);
create table if not exists tb_temperature (
    flowid varchar(40) primary key,
    checktime varchar(20),
    target tinyint,
    temp int,
    tempFace tinyint
);
create table if not exists tb_dailycheck (
    flowid varchar(40) primary key,
    checktime varchar(20),
    HR smallint,
    ECGFace tinyint,
    SpO2 int,
    PI int,
    SpO2Face tinyint,
    BPFlag tinyint,
    BP tinyint,
    BPIFace tinyint,
    voice tinyint
);
create table if not exists tb_dailycheck_corviset (
    flowid varchar(40) primary key,
    checktime varchar(20),
    HR int,
    ECGFace tinyint,
    SpO2 int,
    PI int,
    SpO2Face tinyint,
    PR int,
    BP int,
    unusual int,
    voice tinyint
);
create table if not exists tb_ecg (
    flowid varchar(40) primary key,
    checktime varchar(20),
    way tinyint,
    face tinyint,
    voice tinyint
);
create table if not exists tb_oxi (
    flowid varchar(40) primary key,
    checktime varchar(20),
    way tinyint,
    spo2 int,
    PR int,
    PI int,
    face tinyint
);
create table if not exists tb_slm (
    flowid varchar(40) primary key,
    checktime varchar(20),
    totalTime int,
    lowOxiTime int,
    lowOxiCount int,
    lowestOxi int,
    averageOxi int,
    smile tinyint
);
create table if not exists tb_wristova (
    flowid varchar(40) primary key,
    checktime varchar(20),
    way tinyint,
    face tinyint,
    voice tinyint
);
create table if not exists tb_nibp (
    flowid varchar(40) primary key,
    checktime varchar(20),
    sys int,
    dia int,
    pr int
);
create table if not exists tb_pedo (
    flowid varchar(40) primary key,
    checktime varchar(20),
    Steps int,
    Distance int,
    AvgSpeed int,
    TotalCal int,
    Fat int,
    time int
);
create table if not exists tb_holter (
    flowid varchar(40) primary key,
    checktime varchar(20),
    duration int
);
create table if not exists tb_spo2temp (
    flowid varchar(40) primary key,
    checktime varchar(20),
    way tinyint,
    spo2 int,
    PR int,
    PI int,
    temp int
);
create table if not exists tb_glucose (
    flowid varchar(40) primary key,
    checktime varchar(20),
    glucose int,
    note varchar(40)
);
alter table tb_glucose add column type int;
create table tb_reportuser (
    flowid varchar(40) primary key,
    userid varchar(42),
    medicalid varchar(20),
    name varchar(20),
    sex tinyint,
    birthday varchar(10),
    age int,
    remarks varchar(400),
    indication varchar(400),
    physician varchar(20)
);
create table if not exists tb_multitest (
    checktime TEXT,
    dev_sn TEXT,
    userid TEXT, -- the user's medical id
    mode INT,
    func_selected INT,
    note TEXT,
    -- the parts of one multi-test, ECG first
    ecg_way INT,
    ecg_hr INT,
    ecg_qrs INT,
    ecg_st INT,
    ecg_result INT,
    ecg_face INT,
    ecg_qt INT,
    ecg_qtc INT,
    ecg_waveVaild INT,
    oxi_way INT,
    oxi_spo2 INT,
    oxi_pr INT,
    oxi_pi INT,
    oxi_face INT,
    temp_way INT,
    temp_temperature INT,
    temp_face INT,
    bp_deviceType INT,
    bp_sys INT,
    bp_mean INT,
    bp_dia INT,
    bp_arrhythmia INT,
    bp_pr INT,
    glucose_deviceType INT,
    glucose_glucose INT,
    primary key (checktime, dev_sn)
);
create table if not exists tb_multitest_hide (
    dev_sn TEXT,
    medicalid TEXT,
    hide_usr INT,
    primary key (dev_sn, medicalid)
);
create table if not exists tb_multitest_reportusr (
    dev_sn TEXT,
    medicalid TEXT,
    name TEXT,
    sex INT,
    birthday TEXT,
    height INT,
    weight INT,
    physician TEXT,
    indication TEXT,
    primary key (dev_sn, medicalid)
);
create table if not exists tb_multitest_reportremark (
    checktime TEXT,
    dev_sn TEXT,
    remark TEXT,
    primary key (checktime, dev_sn),
    foreign key (checktime, dev_sn) references tb_multitest(checktime, dev_sn) on delete cascade on update cascade
);
