<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>澄枫卡盟 - 会员注册与自助购卡</title>
<link rel="stylesheet" href="shop.css">
<script src="shop.js"></script>
</head>
<body>
<div class="header"><span class="logo">澄枫卡盟</span><span class="slogan">诚信为本 · 自动发卡 · 7×24小时服务</span></div>
<div class="menu">
  <a class="current" href="Register.aspx">首页</a>
  <a href="goods.html">商品列表</a>
  <a href="notice.html" target="_blank">最新公告</a>
  <a href="help.html">帮助中心</a>
</div>
<div class="tools">
  <button type="button" onclick="window.open('help.html', '_blank', 'width=480,height=360')">弹出帮助窗口</button>
  <span class="notice">新会员注册即送 5 元体验金！</span>
</div>
<div class="main">
  <div class="cards">
    <div class="card"><h4>QQ会员 月卡</h4><div class="price">￥9.50</div><div class="stock">库存充足 · 自动发货</div></div>
    <div class="card"><h4>网游点卡 30元</h4><div class="price">￥28.80</div><div class="stock">库存充足 · 自动发货</div></div>
    <div class="card"><h4>话费充值 50元</h4><div class="price">￥49.20</div><div class="stock">1分钟到账</div></div>
    <div class="card"><h4>视频会员 季卡</h4><div class="price">￥45.00</div><div class="stock">库存 126 张</div></div>
  </div>
  <div class="box">
    <b>会员注册</b>：注册后即可享受代理价格，批量购卡更优惠。
    <a href="goods.html">查看全部商品 »</a>
  </div>
</div>
<div class="footer">© 澄枫卡盟 演示站点 · 本页面仅用于演示</div>
</body>
</html>
