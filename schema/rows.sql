insert into [operator](LoginId, [Password], Name, Contact, [Note], Rights, EmployeeId, Menus, Houses)values('sa', '', '系统管理员', '', '系统内置操作员', '', null, '', '');
insert into buytype(Id, Name, Sign)values(1, '采购收货', 1);
insert into buytype(Id, Name, Sign)values(2, '采购退货', -1);
insert into costing(Id, Name)values(1, '移动加权平均法');
insert into costing(Id, Name)values(2, '先进先出法');
insert into costing(Id, Name)values(3, '全月一次加权平均法');
insert into costing(Id, Name)values(4, '个别计价法');
insert into buplantype(Id, Name, [Note])values(1, '常规计划', '');
insert into buordertype(Id, Name, [Note])values(1, '常规订单', '');
insert into [backup](TypeId, BackDir)values(0, '');
insert into keyvalue(KeyId, Vstr, Vint, Vfloat, Vbool)values(37, 'WareS01=货号
WareS02=品名
WareS03=助查码
WareS04=规格
WareS05=品牌
WareS06=封装
WareS07=条码
WareS08=属性1
WareS09=属性2
WareS10=属性3
WareS11=属性4
WareS12=基本单位
WareF01=数值1
WareF02=数值2
WareF03=数值3
WareF04=数值4
WareF05=数值5
WareColorLabel=颜色
WareSizeLabel=材料
WarePropLabel=图号
InquiryBillName=采购询价
InquiryDate=询价日期
InquiryBillCode=单号
InquiryBuyman=询价人
InquiryNote=备注
Client=客户
ClientLookId=助查码
Clientname=客户名称
ClientLinkman=联系人
ClientTel=联系电话
ClientFax=传真号码
ClientAddr=联系地址
ClientZip=邮编
ClientUrl=网址
ClientEmail=电子信箱
ClientLawman=法人代表
ClientTaxId=税号
ClientBank=开户银行
ClientBankId=银行帐号
ClientNote=备注', 0, 0, 0);
insert into keyvalue(KeyId, [Value])values(6, '2');
insert into keyvalue(KeyId, [Value])values(7, '4');
insert into options([Key], [Label], [List])values(0, '', '个
件
只
台
套
箱
包
袋
瓶
千克
吨
米
平方米
立方米
升');
insert into options([Key], [Label], [List])values(1, '', '±
×
÷
°
℃
Φ
φ
≤
≥
≈
μ
Ω
㎡
㎥
‰');
insert into options([Key], [Label], [List])values(2, '', '优
良
中
差');
insert into options([Key], [Label], [List])values(3, '', '现金
转账支票
银行汇款
银行承兑汇票
货到付款
月结');
