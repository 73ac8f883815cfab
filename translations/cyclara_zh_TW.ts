<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>出生年</source>
        <translation>出生年</translation>
    </message>
    <message>
        <source>出生月</source>
        <translation>出生月</translation>
    </message>
    <message>
        <source>出生日</source>
        <translation>出生日</translation>
    </message>
    <message>
        <source>查询年</source>
        <translation>查詢年</translation>
    </message>
    <message>
        <source>查询月</source>
        <translation>查詢月</translation>
    </message>
    <message>
        <source>查询日</source>
        <translation>查詢日</translation>
    </message>
    <message>
        <source>前后天数</source>
        <translation>前後天數</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>生物节律图</source>
        <translation>生物節律圖</translation>
    </message>
    <message>
        <source>节律说明</source>
        <translation>節律說明</translation>
    </message>
    <message>
        <source>智力状况</source>
        <translation>智力狀況</translation>
    </message>
    <message>
        <source>情绪状况</source>
        <translation>情緒狀況</translation>
    </message>
    <message>
        <source>体力状况</source>
        <translation>體力狀況</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>%1 出生</source>
        <extracomment>Whose critical days, for a person given by the birth date only</extracomment>
        <translation>%1 出生</translation>
    </message>
    <message>
        <source>%1的临界日</source>
        <extracomment>The name of a calendar of a person&apos;s critical days</extracomment>
        <translation>%1的臨界日</translation>
    </message>
    <message>
        <source>%1：%2临界日</source>
        <extracomment>An event&apos;s summary: who, then the cycles critical that day</extracomment>
        <translation>%1：%2臨界日</translation>
    </message>
    <message>
        <source>%1的双重临界日</source>
        <extracomment>The name of a calendar of the days on which two or three of a person&apos;s cycles are critical</extracomment>
        <translation>%1的雙重臨界日</translation>
    </message>
    <message>
        <source>%1的三重临界日</source>
        <extracomment>The name of a calendar of the days on which all three of a person&apos;s cycles are critical</extracomment>
        <translation>%1的三重臨界日</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>无法读取姓名登记文件 %1：%2</source>
        <extracomment>The register file could not be read: its path, then why</extracomment>
        <translation>無法讀取姓名登記檔 %1：%2</translation>
    </message>
    <message>
        <source>--%1：“%2”不是日期；请写成 YYYY-MM-DD，年份在 100 到 9999 之间</source>
        <extracomment>A date option&apos;s value is no date; %1 the option, %2 the value</extracomment>
        <translation>--%1：「%2」不是日期；請寫成 YYYY-MM-DD，年份在 100 到 9999 之間</translation>
    </message>
    <message>
        <source>生日。</source>
        <translation>生日。</translation>
    </message>
    <message>
        <source>表格中间的一天；不写则为今天。</source>
        <translation>表格中間的一天；不寫則為今天。</translation>
    </message>
    <message>
        <source>它前后的天数；不写则为 3。</source>
        <translation>它前後的天數；不寫則為 3。</translation>
    </message>
    <message>
        <source>表格的第一天，代替 --date 和 --days。</source>
        <translation>表格的第一天，取代 --date 和 --days。</translation>
    </message>
    <message>
        <source>表格的最后一天（最多在 --from 之后 100 年）。</source>
        <translation>表格的最後一天（最多在 --from 之後 100 年）。</translation>
    </message>
    <message>
        <source>界面语言：zh_CN、zh_TW 或 en。</source>
        <translation>介面語言：zh_CN、zh_TW 或 en。</translation>
    </message>
    <message>
        <source>请用 --birth 给出生日，或用 --name 给出已登记的人，二者取一</source>
        <translation>請用 --birth 給出生日，或用 --name 給出已登記的人，二者擇一</translation>
    </message>
    <message>
        <source>--date、--days 与 --from、--to 不能同时使用</source>
        <translation>--date、--days 與 --from、--to 不能同時使用</translation>
    </message>
    <message>
        <source>--from 和 --to 要一起使用</source>
        <translation>--from 和 --to 要一起使用</translation>
    </message>
    <message>
        <source>--from 在 --to 之后</source>
        <translation>--from 在 --to 之後</translation>
    </message>
    <message>
        <source>生日在表格的第一天之后</source>
        <translation>生日在表格的第一天之後</translation>
    </message>
    <message>
        <source>--days：“%1”不是 0 或更大的整数</source>
        <translation>--days：「%1」不是 0 或更大的整數</translation>
    </message>
    <message>
        <source>表格超过了 %1 年</source>
        <translation>表格超過了 %1 年</translation>
    </message>
    <message>
        <source>“%1”不是选项；cyclara --help 列出所有选项</source>
        <translation>「%1」不是選項；cyclara --help 會列出所有選項</translation>
    </message>
    <message>
        <source>--lang：“%1”不是 zh_CN、zh_TW 或 en</source>
        <translation>--lang：「%1」不是 zh_CN、zh_TW 或 en</translation>
    </message>
    <message>
        <source>输出生物节律表。不带选项时，Cyclara 打开它的窗口。</source>
        <translation>輸出生物節律表。不帶選項時，Cyclara 開啟它的視窗。</translation>
    </message>
    <message>
        <source>“%1”不在姓名登记 %2 中</source>
        <translation>「%1」不在姓名登記 %2 中</translation>
    </message>
    <message>
        <source>无法输出：标准输出已关闭</source>
        <extracomment>Standard output was closed when the program started, so nothing could be written</extracomment>
        <translation>無法輸出：標準輸出已關閉</translation>
    </message>
    <message>
        <source>无法写入标准输出：%1</source>
        <extracomment>Writing to standard output failed; why</extracomment>
        <translation>無法寫入標準輸出：%1</translation>
    </message>
    <message>
        <source>列出这些选项。</source>
        <translation>列出這些選項。</translation>
    </message>
    <message>
        <source>--days：前后 %1 天的表格超过了 %2 年</source>
        <extracomment>--days asks for a table longer than the longest one; %2 is that length in years</extracomment>
        <translation>--days：前後 %1 天的表格超過了 %2 年</translation>
    </message>
    <message>
        <source>无法更改登录时的提醒 %1：%2</source>
        <extracomment>The autostart entry could not be written or removed: its path, then why</extracomment>
        <translation>無法更改登入時的提醒 %1：%2</translation>
    </message>
    <message>
        <source>登录时提醒关键日：已开启（%1）</source>
        <translation>登入時提醒關鍵日：已開啟（%1）</translation>
    </message>
    <message>
        <source>登录时提醒关键日：已关闭</source>
        <translation>登入時提醒關鍵日：已關閉</translation>
    </message>
    <message>
        <source>--name 和 --remind 所查的姓名登记文件（只读不写）；默认为窗口所用的。</source>
        <translation>--name 和 --remind 所查的姓名登記檔（只讀不寫）；預設為視窗所用的。</translation>
    </message>
    <message>
        <source>text（默认）、csv、json 或 ics（临界日的 iCalendar 日历）。</source>
        <translation>text（預設）、csv、json 或 ics（臨界日的 iCalendar 日曆）。</translation>
    </message>
    <message>
        <source>为姓名登记中今天是临界日的人发出桌面通知。</source>
        <translation>為姓名登記中今天是臨界日的人發出桌面通知。</translation>
    </message>
    <message>
        <source>--remind 也提醒今天之后 N 天内的临界日。</source>
        <translation>--remind 也提醒今天之後 N 天內的臨界日。</translation>
    </message>
    <message>
        <source>登录时是否运行 --remind：on 或 off。</source>
        <translation>登入時是否執行 --remind：on 或 off。</translation>
    </message>
    <message>
        <source>窗口打开时显示姓名登记中的这个人。</source>
        <translation>視窗開啟時顯示姓名登記中的這個人。</translation>
    </message>
    <message>
        <source>窗口打开时查询这一天。</source>
        <translation>視窗開啟時查詢這一天。</translation>
    </message>
    <message>
        <source>--remind-at-login 只与 --lang 同用</source>
        <translation>--remind-at-login 只與 --lang 同用</translation>
    </message>
    <message>
        <source>--remind-at-login：“%1”不是 on 或 off</source>
        <translation>--remind-at-login：「%1」不是 on 或 off</translation>
    </message>
    <message>
        <source>--remind 提醒姓名登记中的所有人，不与表格选项同用</source>
        <translation>--remind 提醒姓名登記中的所有人，不與表格選項同用</translation>
    </message>
    <message>
        <source>--ahead 只用于 --remind</source>
        <translation>--ahead 只用於 --remind</translation>
    </message>
    <message>
        <source>--show-name 和 --show-date 只用于打开窗口</source>
        <translation>--show-name 和 --show-date 只用於開啟視窗</translation>
    </message>
    <message>
        <source>--ahead：“%1”不是 0 到 %2 之间的整数</source>
        <extracomment>--ahead&apos;s value is not a whole number of days within the limit</extracomment>
        <translation>--ahead：「%1」不是 0 到 %2 之間的整數</translation>
    </message>
    <message>
        <source>--format：“%1”不是 text、csv、json 或 ics</source>
        <translation>--format：「%1」不是 text、csv、json 或 ics</translation>
    </message>
    <message>
        <source>--register 只用于 --name 和 --remind</source>
        <translation>--register 只用於 --name 和 --remind</translation>
    </message>
    <message>
        <source>无法打开窗口：%1</source>
        <extracomment>The window&apos;s part of the program is missing or could not be loaded; why</extracomment>
        <translation>無法開啟視窗：%1</translation>
    </message>
    <message>
        <source>--best-days 要用 --name 给出至少一个已登记的人</source>
        <translation>--best-days 要用 --name 給出至少一個已登記的人</translation>
    </message>
    <message>
        <source>--name 给了 %1 个人；一起看最多 %2 个</source>
        <extracomment>%1 people were given with --name; %2 is the most looked at together</extracomment>
        <translation>--name 給了 %1 個人；一起看最多 %2 個</translation>
    </message>
    <message>
        <source>几个人一起看或用 --best-days 时，最多 %1 天；这里有 %2 天</source>
        <extracomment>The range of days for several people or --best-days is too long; %1 the most, %2 asked</extracomment>
        <translation>幾個人一起看或用 --best-days 時，最多 %1 天；這裡有 %2 天</translation>
    </message>
    <message>
        <source>“%1”的生日在表格的第一天之后</source>
        <extracomment>A person given with --name (%1) was born after the first day of the table</extracomment>
        <translation>「%1」的生日在表格的第一天之後</translation>
    </message>
    <message>
        <source>用姓名登记中此人的生日；可给 2 到 8 次，逐人列出各人的日子。</source>
        <translation>用姓名登記中此人的生日；可給 2 到 8 次，逐人列出各人的日子。</translation>
    </message>
    <message>
        <source>两个 --name 的合拍度：各节律同起同落的程度。</source>
        <translation>兩個 --name 的合拍度：各節律同起同落的程度。</translation>
    </message>
    <message>
        <source>所有 --name 在 --from 到 --to 间最好的 10 天。</source>
        <translation>所有 --name 在 --from 到 --to 間最好的 10 天。</translation>
    </message>
    <message>
        <source>--%1 只用于 --name</source>
        <extracomment>--match or --best-days (%1) with --birth: they take registered people only</extracomment>
        <translation>--%1 只用於 --name</translation>
    </message>
    <message>
        <source>--%1 不写 ics 日历</source>
        <extracomment>--match, --best-days or --next-critical (%1) with --format ics</extracomment>
        <translation>--%1 不寫 ics 日曆</translation>
    </message>
    <message>
        <source>--match 与日子无关，不与 --date、--days、--from、--to 同用</source>
        <translation>--match 與日子無關，不與 --date、--days、--from、--to 同用</translation>
    </message>
    <message>
        <source>--match 要两个 --name，这里有 %1 个</source>
        <extracomment>--match was given another number (%1) of --name than two</extracomment>
        <translation>--match 要兩個 --name，這裡有 %1 個</translation>
    </message>
    <message>
        <source>--best-days 的日子用 --from 和 --to 给出</source>
        <translation>--best-days 的日子用 --from 和 --to 給出</translation>
    </message>
    <message>
        <source>“%1”用 --name 给了两次</source>
        <extracomment>The same registered person was given with --name more than once</extracomment>
        <translation>「%1」用 --name 給了兩次</translation>
    </message>
    <message>
        <source>节律</source>
        <extracomment>The headings of the match table: the cycle, its match, what that means</extracomment>
        <translation>節律</translation>
    </message>
    <message>
        <source>合拍度</source>
        <translation>合拍度</translation>
    </message>
    <message>
        <source>含义</source>
        <translation>含義</translation>
    </message>
    <message>
        <source>总体</source>
        <extracomment>The match of all three cycles together</extracomment>
        <translation>總體</translation>
    </message>
    <message numerus="yes">
        <source>%1（%2）与%3（%4）：生日相隔 %5 天</source>
        <extracomment>The match table&apos;s first line: each person with the birth date, then the days between them</extracomment>
        <translation>
            <numerusform>%1（%2）與%3（%4）：生日相隔 %5 天</numerusform>
        </translation>
    </message>
    <message>
        <source>名次</source>
        <extracomment>The headings of the best days: rank, date, weekday (then, in CSV, how many are critical and the lowest mean), and why the day ranks there</extracomment>
        <translation>名次</translation>
    </message>
    <message>
        <source>日期</source>
        <extracomment>The headings of a list of critical days: date, weekday, the cycles critical (then, in CSV, how many of them)</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>临界人数</source>
        <translation>臨界人數</translation>
    </message>
    <message>
        <source>最低均值</source>
        <translation>最低均值</translation>
    </message>
    <message>
        <source>理由</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>%1 到 %2 每天都有人临界；下面是临界的人最少的日子</source>
        <extracomment>--best-days found no day without someone critical; %1 and %2 the first and last day</extracomment>
        <translation>%1 到 %2 每天都有人臨界；下面是臨界的人最少的日子</translation>
    </message>
    <message>
        <source>名次相同的日子，临界人数和最低均值都相同，按日期先后列出</source>
        <translation>名次相同的日子，臨界人數和最低均值都相同，按日期先後列出</translation>
    </message>
    <message numerus="yes">
        <source>另有 %1 天与第 %2 名相同，未列出</source>
        <extracomment>Days not listed that rank as the last one listed: %1 how many, %2 that rank</extracomment>
        <translation>
            <numerusform>另有 %1 天與第 %2 名相同，未列出</numerusform>
        </translation>
    </message>
    <message>
        <source>姓名</source>
        <extracomment>The heading of the column of names, in a table of several people&apos;s days</extracomment>
        <translation>姓名</translation>
    </message>
    <message>
        <source>--%1：“%2”不是 single、double 或 triple</source>
        <extracomment>--critical or --next-critical (%1) was given a kind of critical days (%2) it does not know</extracomment>
        <translation>--%1：「%2」不是 single、double 或 triple</translation>
    </message>
    <message>
        <source>只列出表格日子中的临界日，kind 为 single（每个临界日）、double（两个或三个节律同日临界）或 triple（三个节律同日临界）。</source>
        <translation>只列出表格日子中的臨界日，kind 為 single（每個臨界日）、double（兩個或三個節律同日臨界）或 triple（三個節律同日臨界）。</translation>
    </message>
    <message>
        <source>从 --date（不写则为今天）起的下一个这种临界日（kind 同 --critical）及相隔的天数。</source>
        <translation>從 --date（不寫則為今天）起的下一個這種臨界日（kind 同 --critical）及相隔的天數。</translation>
    </message>
    <message>
        <source>--%1 和 --%2 不能同时使用</source>
        <extracomment>Two options that each tell what the table is about, such as --match and --critical</extracomment>
        <translation>--%1 和 --%2 不能同時使用</translation>
    </message>
    <message>
        <source>--%1 只看一个人；--name 给了 %2 个</source>
        <extracomment>--critical or --next-critical (%1) was given several people with --name (%2 of them)</extracomment>
        <translation>--%1 只看一個人；--name 給了 %2 個</translation>
    </message>
    <message>
        <source>--next-critical 从 --date 或今天找起，不与 --days、--from、--to 同用</source>
        <translation>--next-critical 從 --date 或今天找起，不與 --days、--from、--to 同用</translation>
    </message>
    <message>
        <source>临界日</source>
        <extracomment>What was looked for: any critical day, a double one (two or three cycles critical together) or a triple one; it ends the line telling there is none</extracomment>
        <translation>臨界日</translation>
    </message>
    <message>
        <source>双重临界日</source>
        <translation>雙重臨界日</translation>
    </message>
    <message>
        <source>三重临界日</source>
        <translation>三重臨界日</translation>
    </message>
    <message>
        <source>临界节律</source>
        <translation>臨界節律</translation>
    </message>
    <message>
        <source>临界节律数</source>
        <translation>臨界節律數</translation>
    </message>
    <message>
        <source>%1 到 %2 没有%3</source>
        <extracomment>No critical day of the kind looked for (%3: 临界日, 双重临界日 or 三重临界日) from %1 to %2</extracomment>
        <translation>%1 到 %2 沒有%3</translation>
    </message>
    <message>
        <source>相隔天数</source>
        <extracomment>The heading of how many days after the day looked from the next critical day lies</extracomment>
        <translation>相隔天數</translation>
    </message>
    <message>
        <source>当天</source>
        <extracomment>How far the next critical day lies after the day it was looked for from: that very day, or so many days after</extracomment>
        <translation>當天</translation>
    </message>
    <message numerus="yes">
        <source>%n 天后</source>
        <translation>
            <numerusform>%n 天後</numerusform>
        </translation>
    </message>
    <message>
        <source>--cycles：“%1”不是 intuitive、aesthetic、awareness 或 spiritual</source>
        <extracomment>--cycles was given a word (%1) that names none of the further cycles</extracomment>
        <translation>--cycles：「%1」不是 intuitive、aesthetic、awareness 或 spiritual</translation>
    </message>
    <message>
        <source>日子表格在五列之后加上这些更多节律，以逗号分隔：intuitive（直觉）、aesthetic（审美）、awareness（感知）、spiritual（精神）。</source>
        <translation>日子表格在五列之後加上這些更多節律，以逗號分隔：intuitive（直覺）、aesthetic（審美）、awareness（感知）、spiritual（精神）。</translation>
    </message>
</context>
<context>
    <name>ControlTables</name>
    <message>
        <source>我的生日是</source>
        <translation>我的生日是</translation>
    </message>
    <message>
        <source>年</source>
        <translation>年</translation>
    </message>
    <message>
        <source>月</source>
        <translation>月</translation>
    </message>
    <message>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>查詢</translation>
    </message>
    <message>
        <source>我要查询</source>
        <translation>我要查詢</translation>
    </message>
    <message>
        <source>前后</source>
        <translation>前後</translation>
    </message>
    <message>
        <source>天</source>
        <translation>天</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>幫助</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>折線圖</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>主頁</translation>
    </message>
    <message>
        <source>生物曲线</source>
        <translation>生物曲線</translation>
    </message>
</context>
<context>
    <name>DayStatus</name>
    <message>
        <source>%1-%2 </source>
        <extracomment>One cycle in the status line: its name and its status, followed by a blank</extracomment>
        <translation>%1-%2 </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The status line: the day&apos;s label, then each cycle&apos;s status</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Days</name>
    <message>
        <source>前天</source>
        <translation>前天</translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>明天</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>后天</source>
        <translation>後天</translation>
    </message>
    <message>
        <source>yy-M-d</source>
        <extracomment>A day of another year, as a QDate format, or &quot;short&quot; for the locale&apos;s short date</extracomment>
        <translation>yy-M-d</translation>
    </message>
    <message>
        <source>M月d日</source>
        <extracomment>A day of another month this year, as a QDate format, or &quot;short&quot;</extracomment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>d日</source>
        <extracomment>A day of this month, as a QDate format, or &quot;short&quot;</extracomment>
        <translation>d日</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>无法打开窗口：没有可用的显示（请检查 DISPLAY 或 WAYLAND_DISPLAY）；不用窗口的用法见 cyclara --help</source>
        <translation>無法開啟視窗：沒有可用的顯示（請檢查 DISPLAY 或 WAYLAND_DISPLAY）；不用視窗的用法見 cyclara --help</translation>
    </message>
</context>
<context>
    <name>ExplanationPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A paragraph of the explanation panel: the cycle&apos;s status, then what it means</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>標籤</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>导出日历</source>
        <translation>匯出日曆</translation>
    </message>
    <message>
        <source>iCalendar 日历 (*.ics)</source>
        <translation>iCalendar 日曆 (*.ics)</translation>
    </message>
    <message>
        <source>无法写入日历文件：
%1
%2</source>
        <extracomment>A calendar could not be exported: the file&apos;s path, then why</extracomment>
        <translation>無法寫入日曆檔：
%1
%2</translation>
    </message>
    <message>
        <source>无法写入打印文件：
%1
%2</source>
        <extracomment>A page could not be printed into a file: the file&apos;s path, then why</extracomment>
        <translation>無法寫入列印檔：
%1
%2</translation>
    </message>
    <message>
        <source>无法打印：打印机或文件不能使用</source>
        <translation>無法列印：印表機或檔案不能使用</translation>
    </message>
</context>
<context>
    <name>LoginEntry</name>
    <message>
        <source>这个位置上已有一个不是 Cyclara 写的文件或链接，为安全起见不去改动它</source>
        <extracomment>A file or link of the autostart entry&apos;s name that Cyclara did not write</extracomment>
        <translation>這個位置上已有一個不是 Cyclara 寫的檔案或連結，為安全起見不去改動它</translation>
    </message>
    <message>
        <source>本程序文件的路径中有换行符等控制字符，或不是 UTF-8 文字，桌面无法照原样运行它</source>
        <extracomment>The program&apos;s own path cannot be written into the autostart entry</extracomment>
        <translation>本程式檔案的路徑中有換行符等控制字元，或不是 UTF-8 文字，桌面無法照原樣執行它</translation>
    </message>
</context>
<context>
    <name>PeopleTogether</name>
    <message>
        <source>%1 %2</source>
        <extracomment>One person in the people window&apos;s status line: the name, then the status</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>；</source>
        <extracomment>What separates the people in the people window&apos;s status line</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The people window&apos;s status line: the day&apos;s label, then every person&apos;s status</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>几乎同起同落</source>
        <extracomment>Two people&apos;s curves of a cycle at a match of 90% or more</extracomment>
        <translation>幾乎同起同落</translation>
    </message>
    <message>
        <source>多半同起同落</source>
        <extracomment>... at a match of 60% to 89%</extracomment>
        <translation>多半同起同落</translation>
    </message>
    <message>
        <source>时而同向，时而相反</source>
        <extracomment>... at a match of 41% to 59%</extracomment>
        <translation>時而同向，時而相反</translation>
    </message>
    <message>
        <source>多半此起彼落</source>
        <extracomment>... at a match of 11% to 40%: mostly one rises while the other falls</extracomment>
        <translation>多半此起彼落</translation>
    </message>
    <message>
        <source>几乎此起彼落</source>
        <extracomment>... at a match of 10% or less</extracomment>
        <translation>幾乎此起彼落</translation>
    </message>
    <message>
        <source>无人临界；最低均值 %1</source>
        <extracomment>Why a day suits the group: nobody is critical, then the lowest mean of anyone</extracomment>
        <translation>無人臨界；最低均值 %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 人临界；最低均值 %2</source>
        <extracomment>Why a day ranks where it does: how many are critical, then the lowest mean of anyone</extracomment>
        <translation>
            <numerusform>%1 人臨界；最低均值 %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>缺少 %1</source>
        <extracomment>A part of the program is not installed: the path of its file</extracomment>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>不打开 %1：其他用户可以改动 %2</source>
        <extracomment>A part of the program is not opened: its path, then the file or folder above it that other users may change</extracomment>
        <translation>不開啟 %1：其他使用者可以改動 %2</translation>
    </message>
</context>
<context>
    <name>QueryProblems</name>
    <message>
        <source>生日填写有误, 请重新填写</source>
        <translation>生日填寫有誤, 請重新填寫</translation>
    </message>
    <message>
        <source>查询日期填写有误, 请重新填写</source>
        <translation>查詢日期填寫有誤, 請重新填寫</translation>
    </message>
    <message>
        <source>查询日期应该在生日之后, 请重新填写.</source>
        <translation>查詢日期應該在生日之後, 請重新填寫.</translation>
    </message>
    <message>
        <source>生日不是有效的日期</source>
        <extracomment>On the command line: the birth date names no day</extracomment>
        <translation>生日不是有效的日期</translation>
    </message>
    <message>
        <source>表格超出了 100 年至 9999 年的范围</source>
        <translation>表格超出了 100 年至 9999 年的範圍</translation>
    </message>
    <message>
        <source>生日在查询日期之后</source>
        <translation>生日在查詢日期之後</translation>
    </message>
</context>
<context>
    <name>RegisterMessages</name>
    <message>
        <source>原因不明</source>
        <translation>原因不明</translation>
    </message>
    <message>
        <source>没有访问权限</source>
        <translation>沒有存取權限</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>檔案或資料夾不存在</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>路徑中有一部分不是資料夾</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>這是一個資料夾</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <source>所在的文件系统只能读取</source>
        <translation>所在的檔案系統只能讀取</translation>
    </message>
    <message>
        <source>链接层层相连，找不到真正的文件</source>
        <translation>連結層層相連，找不到真正的檔案</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>路徑太長</translation>
    </message>
    <message>
        <source>读写磁盘时出错</source>
        <translation>讀寫磁碟時出錯</translation>
    </message>
    <message>
        <source>文件已经存在</source>
        <translation>檔案已經存在</translation>
    </message>
    <message>
        <source>同时打开的文件太多</source>
        <translation>同時開啟的檔案太多</translation>
    </message>
    <message>
        <source>系统错误 %1</source>
        <translation>系統錯誤 %1</translation>
    </message>
    <message>
        <source>这个位置上有一个同名的文件夹</source>
        <translation>這個位置上有一個同名的資料夾</translation>
    </message>
    <message>
        <source>这个位置上的不是普通文件</source>
        <translation>這個位置上的不是一般檔案</translation>
    </message>
    <message>
        <source>文件超过 16 兆字节，不会是姓名登记文件</source>
        <translation>檔案超過 16 MB，不會是姓名登記檔</translation>
    </message>
    <message>
        <source>这是其他用户建立的链接，为安全起见不去打开它</source>
        <translation>這是其他使用者建立的連結，為了安全起見不去開啟它</translation>
    </message>
    <message>
        <source>另一个 Cyclara 正在保存这个文件</source>
        <translation>另一個 Cyclara 正在儲存這個檔案</translation>
    </message>
    <message>
        <source>姓名登记文件中有些内容无法完整读出，原文件也无法另存一份备份，所以本次不会改写它：
%1
%2</source>
        <translation>姓名登記檔中有些內容無法完整讀出，原檔案也無法另存一份備份，所以這次不會改寫它：
%1
%2</translation>
    </message>
    <message>
        <source>无法读取姓名登记文件，本次不会改写它：
%1
%2</source>
        <translation>無法讀取姓名登記檔，這次不會改寫它：
%1
%2</translation>
    </message>
    <message>
        <source>姓名登记文件中有些内容无法完整读出（编码不符、格式不对或同一姓名写了几次），关闭时重写这个文件会失去它们：
%1
原文件已原样备份为：
%2</source>
        <translation>姓名登記檔中有些內容無法完整讀出（編碼不符、格式不對或同一姓名寫了幾次），關閉時重寫這個檔案會失去它們：
%1
原檔案已原樣備份為：
%2</translation>
    </message>
    <message>
        <source>姓名登记文件无法保存，本次记录的姓名到关闭时也将无法保存：
%1
%2</source>
        <translation>姓名登記檔無法儲存，這次記錄的姓名到關閉時也將無法儲存：
%1
%2</translation>
    </message>
    <message>
        <source>选择“取消”则放弃本次的更改，原有文件保持不变。</source>
        <translation>選擇「取消」則放棄這次的變更，原有檔案保持不變。</translation>
    </message>
    <message>
        <source>选择“取消”则放弃本次的更改。</source>
        <translation>選擇「取消」則放棄這次的變更。</translation>
    </message>
    <message>
        <source>无法保存姓名登记文件：
%1
%2

选择“重试”再试一次；%3</source>
        <translation>無法儲存姓名登記檔：
%1
%2

選擇「重試」再試一次；%3</translation>
    </message>
    <message>
        <source>保存后文件会超过 16 兆字节，而 Cyclara 只读取 16 兆字节以内的姓名登记文件</source>
        <translation>儲存後檔案會超過 16 MB，而 Cyclara 只讀取 16 MB 以內的姓名登記檔</translation>
    </message>
    <message>
        <source>备份文件太多：从 .bak 到 .bak.99 的名字都已被其他文件占用</source>
        <translation>備份檔太多：從 .bak 到 .bak.99 的名稱都已被其他檔案佔用</translation>
    </message>
    <message>
        <source>锁文件的位置上有一个文件夹：%1</source>
        <translation>鎖定檔的位置上有一個資料夾：%1</translation>
    </message>
    <message>
        <source>锁文件的位置上的不是普通文件：%1</source>
        <translation>鎖定檔的位置上的不是一般檔案：%1</translation>
    </message>
    <message>
        <source>锁文件属于另一个用户：%1</source>
        <translation>鎖定檔屬於另一個使用者：%1</translation>
    </message>
    <message>
        <source>锁文件是空的或无法识别，也不是正在保存的 Cyclara 留下的：%1</source>
        <translation>鎖定檔是空的或無法識別，也不是正在儲存的 Cyclara 留下的：%1</translation>
    </message>
    <message>
        <source>姓名登记文件中有些内容无法完整读出，原文件又无法另存一份备份，为了不丢失它们，本次记录的姓名没有保存：
%1
%2</source>
        <translation>姓名登記檔中有些內容無法完整讀出，原檔案又無法另存一份備份，為了不遺失它們，這次記錄的姓名沒有儲存：
%1
%2</translation>
    </message>
    <message>
        <source>姓名登记文件无法读取，本次记录的姓名没有保存：
%1
%2</source>
        <translation>姓名登記檔無法讀取，這次記錄的姓名沒有儲存：
%1
%2</translation>
    </message>
    <message>
        <source>文件中有些内容无法完整读出，而原文件无法另存一份备份：%1</source>
        <translation>檔案中有些內容無法完整讀出，而原檔案無法另存一份備份：%1</translation>
    </message>
    <message>
        <source>原有文件保持不变，本次的更改没有保存。</source>
        <translation>原有檔案保持不變，這次的變更沒有儲存。</translation>
    </message>
    <message>
        <source>本次的更改没有保存。</source>
        <translation>這次的變更沒有儲存。</translation>
    </message>
    <message>
        <source>无法保存姓名登记文件：
%1
%2

%3</source>
        <translation>無法儲存姓名登記檔：
%1
%2

%3</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>已刪除</translation>
    </message>
    <message>
        <source>改名为“%1”，出生日期 %2</source>
        <translation>改名為「%1」，出生日期 %2</translation>
    </message>
    <message>
        <source>出生日期 %1</source>
        <translation>出生日期 %1</translation>
    </message>
    <message>
        <source>“%1”：本窗口%2，文件中%3；保留了本窗口的更改</source>
        <translation>「%1」：本視窗%2，檔案中%3；保留了本視窗的更改</translation>
    </message>
    <message>
        <source>“%1”：本窗口%2，文件中%3；保留了文件中的更改</source>
        <translation>「%1」：本視窗%2，檔案中%3；保留了檔案中的更改</translation>
    </message>
    <message>
        <source>姓名登记文件在本窗口打开后被另一个窗口或其他程序改过，以下更改相互冲突，各保留了一方：
%1
%2</source>
        <translation>姓名登記檔案在本視窗開啟後被另一個視窗或其他程式改過，以下更改相互衝突，各保留了一方：
%1
%2</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>没有会话总线（%1）</source>
        <extracomment>There is no session bus to send notifications through; why, in D-Bus&apos;s words</extracomment>
        <translation>沒有工作階段匯流排（%1）</translation>
    </message>
    <message>
        <source>会话总线上没有通知服务（%1）</source>
        <extracomment>Nobody serves notifications on the session bus; the D-Bus error&apos;s name</extracomment>
        <translation>工作階段匯流排上沒有通知服務（%1）</translation>
    </message>
    <message>
        <source>打开</source>
        <extracomment>What clicking a reminder does: open Cyclara on that day</extracomment>
        <translation>開啟</translation>
    </message>
    <message>
        <source>%1的临界日</source>
        <extracomment>A reminder&apos;s title: whose critical days it tells</extracomment>
        <translation>%1的臨界日</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>A line of a reminder: the day (今天, 明天, 6月20日), then its critical cycles</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>无法发出提醒：%1</source>
        <extracomment>Reminders could not be sent; why</extracomment>
        <translation>無法發出提醒：%1</translation>
    </message>
    <message>
        <source>另有 %1 人今天起有临界日</source>
        <extracomment>The one notification for the people past the first few reminders: how many they are</extracomment>
        <translation>另有 %1 人今天起有臨界日</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of a notification for several people</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1等</source>
        <extracomment>The names of a notification for several people, when there are more than shown</extracomment>
        <translation>%1等</translation>
    </message>
    <message>
        <source>通知服务已中止，提醒随之消失</source>
        <extracomment>The notification service ended while reminders were shown: they are gone with it</extracomment>
        <translation>通知服務已中止，提醒隨之消失</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>情绪</source>
        <translation>情緒</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>體力</translation>
    </message>
    <message>
        <source>均值</source>
        <translation>均值</translation>
    </message>
    <message>
        <source>绝对均值</source>
        <translation>絕對均值</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>What separates the items of a list of cycle names</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>（三重）</source>
        <translation>（三重）</translation>
    </message>
    <message>
        <source>（双重）</source>
        <translation>（雙重）</translation>
    </message>
    <message>
        <source>直觉</source>
        <translation>直覺</translation>
    </message>
    <message>
        <source>审美</source>
        <translation>審美</translation>
    </message>
    <message>
        <source>感知</source>
        <translation>感知</translation>
    </message>
    <message>
        <source>精神</source>
        <translation>精神</translation>
    </message>
</context>
<context>
    <name>ShownQuery</name>
    <message>
        <source>%1 出生，查询日期 %2</source>
        <extracomment>Whose days are shown, for a query without a name: the birth date and the query date</extracomment>
        <translation>%1 出生，查詢日期 %2</translation>
    </message>
    <message>
        <source>%1，%2 出生，查询日期 %3</source>
        <extracomment>Whose days are shown: the name, the birth date and the query date</extracomment>
        <translation>%1，%2 出生，查詢日期 %3</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>低谷</source>
        <translation>低谷</translation>
    </message>
    <message>
        <source>低潮</source>
        <translation>低潮</translation>
    </message>
    <message>
        <source>临界</source>
        <translation>臨界</translation>
    </message>
    <message>
        <source>高潮</source>
        <translation>高潮</translation>
    </message>
    <message>
        <source>高峰</source>
        <translation>高峰</translation>
    </message>
    <message numerus="yes">
        <source>%1(%2%,%3分)</source>
        <extracomment>A cycle&apos;s status: the word, the value in percent, the score out of 100, e.g. 高峰(85%,92分)</extracomment>
        <translation>
            <numerusform>%1(%2%,%3分)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YearDays</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A day of the year view: its date, then its weekday</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>cyclara::BiorhythmWindow</name>
    <message>
        <source>多人比较…</source>
        <translation>多人比較…</translation>
    </message>
    <message>
        <source>全年…</source>
        <translation>全年…</translation>
    </message>
    <message>
        <source>更多节律</source>
        <translation>更多節律</translation>
    </message>
    <message>
        <source>%1（%2 天）</source>
        <extracomment>A further cycle in the chart&apos;s menu: its name, then its length in days</extracomment>
        <translation>%1（%2 天）</translation>
    </message>
    <message>
        <source>无法记住所选的节律：设置文件不能写入</source>
        <extracomment>The choice of further cycles could not be written to the settings</extracomment>
        <translation>無法記住所選的節律：設定檔不能寫入</translation>
    </message>
</context>
<context>
    <name>cyclara::ChartActions</name>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>匯出圖片…</translation>
    </message>
    <message>
        <source>导出数据…</source>
        <translation>匯出資料…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>关键日…</source>
        <translation>關鍵日…</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>匯出圖片</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>匯出資料</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
    <message>
        <source>无法写入图片文件：
%1
%2</source>
        <extracomment>A picture could not be exported: the file&apos;s path, then why</extracomment>
        <translation>無法寫入圖片檔：
%1
%2</translation>
    </message>
    <message>
        <source>无法写入数据文件：
%1
%2</source>
        <extracomment>A table could not be exported: the file&apos;s path, then why</extracomment>
        <translation>無法寫入資料檔：
%1
%2</translation>
    </message>
    <message>
        <source>数据表…</source>
        <translation>資料表…</translation>
    </message>
    <message>
        <source>导出日历…</source>
        <translation>匯出日曆…</translation>
    </message>
</context>
<context>
    <name>cyclara::CriticalDaysDialog</name>
    <message>
        <source>Cyclara - 关键日</source>
        <translation>Cyclara - 關鍵日</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A person: the name, then the birth date</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1：%2 起 %3 天内的临界日</source>
        <extracomment>The person, the first day and the number of days looked at</extracomment>
        <translation>%1：%2 起 %3 天內的臨界日</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>登录时提醒关键日</source>
        <translation>登入時提醒關鍵日</translation>
    </message>
    <message>
        <source>导出日历…</source>
        <translation>匯出日曆…</translation>
    </message>
    <message>
        <source>无法更改登录时的提醒：
%1
%2</source>
        <extracomment>The reminders at login could not be turned on or off: the entry&apos;s path, then why</extracomment>
        <translation>無法更改登入時的提醒：
%1
%2</translation>
    </message>
    <message>
        <source>%1 %2  %3</source>
        <extracomment>A line of the list: the date, its weekday, then the critical cycles</extracomment>
        <translation>%1 %2  %3</translation>
    </message>
    <message>
        <source>全部临界日</source>
        <translation>全部臨界日</translation>
    </message>
    <message>
        <source>两个或三个节律同时临界</source>
        <translation>兩個或三個節律同時臨界</translation>
    </message>
    <message>
        <source>三个节律同时临界</source>
        <translation>三個節律同時臨界</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>下一个三重临界日: %1 %2，%3 天后</source>
        <extracomment>The next day all three cycles are critical: its date and weekday, then how many days after the query date</extracomment>
        <translation>下一個三重臨界日: %1 %2，%3 天後</translation>
    </message>
    <message>
        <source>下一个三重临界日: 9999 年底之前没有</source>
        <translation>下一個三重臨界日: 9999 年底之前沒有</translation>
    </message>
</context>
<context>
    <name>cyclara::CycleChart</name>
    <message>
        <source>竖线是今天</source>
        <translation>豎線是今天</translation>
    </message>
    <message>
        <source>%1
%2：%3</source>
        <extracomment>A point&apos;s tooltip: the day&apos;s label, then the series and its value</extracomment>
        <translation>%1
%2：%3</translation>
    </message>
    <message>
        <source>%1
临界日：%2</source>
        <extracomment>A critical day&apos;s tooltip: its label, then the cycles critical that day</extracomment>
        <translation>%1
臨界日：%2</translation>
    </message>
</context>
<context>
    <name>cyclara::DayTableDialog</name>
    <message>
        <source>Cyclara - 数据表</source>
        <translation>Cyclara - 資料表</translation>
    </message>
    <message>
        <source>数据表</source>
        <translation>資料表</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
</context>
<context>
    <name>cyclara::HelpWindow</name>
    <message>
        <source>Cyclara - 帮助信息</source>
        <translation>Cyclara - 幫助資訊</translation>
    </message>
</context>
<context>
    <name>cyclara::NameListEditing</name>
    <message>
        <source>删除此人</source>
        <translation>刪除此人</translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation>重新命名…</translation>
    </message>
    <message>
        <source>要从姓名登记中删除“%1”吗？</source>
        <translation>要從姓名登記中刪除「%1」嗎？</translation>
    </message>
    <message>
        <source>“%1”的新姓名：</source>
        <translation>「%1」的新姓名：</translation>
    </message>
    <message>
        <source>姓名中不能含有空格，请重新填写</source>
        <translation>姓名中不能含有空格，請重新填寫</translation>
    </message>
    <message>
        <source>“%1”已经登记过了，请换一个姓名</source>
        <translation>「%1」已經登記過了，請換一個姓名</translation>
    </message>
</context>
<context>
    <name>cyclara::PeopleWindow</name>
    <message>
        <source>Cyclara - 多人比较</source>
        <translation>Cyclara - 多人比較</translation>
    </message>
    <message>
        <source>比较的人</source>
        <translation>比較的人</translation>
    </message>
    <message>
        <source>节律</source>
        <translation>節律</translation>
    </message>
    <message>
        <source>起始日期</source>
        <translation>起始日期</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>結束日期</translation>
    </message>
    <message>
        <source>多人节律图</source>
        <translation>多人節律圖</translation>
    </message>
    <message>
        <source>数据表</source>
        <translation>數據表</translation>
    </message>
    <message>
        <source>第一人</source>
        <translation>第一人</translation>
    </message>
    <message>
        <source>第二人</source>
        <translation>第二人</translation>
    </message>
    <message>
        <source>合拍度</source>
        <translation>合拍度</translation>
    </message>
    <message>
        <source>含义</source>
        <translation>含義</translation>
    </message>
    <message>
        <source>总体</source>
        <translation>總體</translation>
    </message>
    <message>
        <source>好日子</source>
        <translation>好日子</translation>
    </message>
    <message>
        <source>与</source>
        <translation>與</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>圖表</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>匯出圖片…</translation>
    </message>
    <message>
        <source>导出数据…</source>
        <translation>匯出資料…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>勾选 2 到 8 人：</source>
        <translation>勾選 2 到 8 人：</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A person in the people window&apos;s list: the name, then the birth date</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>最多比较 %1 人</source>
        <extracomment>More people were ticked than the window compares</extracomment>
        <translation>最多比較 %1 人</translation>
    </message>
    <message>
        <source>勾选 2 到 8 人一起比较</source>
        <translation>勾選 2 到 8 人一起比較</translation>
    </message>
    <message>
        <source>起始日期在结束日期之后</source>
        <translation>起始日期在結束日期之後</translation>
    </message>
    <message>
        <source>日期范围最长 %1 天</source>
        <translation>日期範圍最長 %1 天</translation>
    </message>
    <message>
        <source>%1 生于起始日期之后</source>
        <extracomment>A ticked person was born after the first day of the range</extracomment>
        <translation>%1 生於起始日期之後</translation>
    </message>
    <message>
        <source>%1. %2 %3  %4</source>
        <extracomment>A best day: its rank, date and weekday, then why it ranks there</extracomment>
        <translation>%1. %2 %3  %4</translation>
    </message>
    <message>
        <source>这段日子里每天都有人临界，临界的人最少的日子排在前面。</source>
        <translation>這段日子裡每天都有人臨界，臨界的人最少的日子排在前面。</translation>
    </message>
    <message>
        <source>理由相同的日子按日期先后排列。</source>
        <translation>理由相同的日子按日期先後排列。</translation>
    </message>
    <message>
        <source>临界的人最少、最低均值最高的日子排在前面。</source>
        <translation>臨界的人最少、最低均值最高的日子排在前面。</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>匯出圖片</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>无法写入图片文件：
%1
%2</source>
        <extracomment>A picture could not be exported: the file&apos;s path, then why</extracomment>
        <translation>無法寫入圖片檔：
%1
%2</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>匯出資料</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
    <message>
        <source>无法写入数据文件：
%1
%2</source>
        <extracomment>A table could not be exported: the file&apos;s path, then why</extracomment>
        <translation>無法寫入資料檔：
%1
%2</translation>
    </message>
    <message>
        <source>%1：%2 至 %3</source>
        <extracomment>The printed page&apos;s heading: the people, then the first and the last day</extracomment>
        <translation>%1：%2 至 %3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>cyclara::PromptLine</name>
    <message>
        <source>点击图线(柱), 可以显示该日的生物节律状况.</source>
        <translation>點選圖線(柱), 可以顯示該日的生物節律狀況.</translation>
    </message>
</context>
<context>
    <name>cyclara::YearGrid</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A printed day of the year: a cycle&apos;s name, then its value in percent</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1临界</source>
        <extracomment>The year view&apos;s legend: the mark of a cycle&apos;s critical day</extracomment>
        <translation>%1臨界</translation>
    </message>
    <message>
        <source>同日多个临界</source>
        <extracomment>The year view&apos;s legend: the frame around two or three critical cycles of one day</extracomment>
        <translation>同日多個臨界</translation>
    </message>
    <message>
        <source>今天</source>
        <extracomment>The year view&apos;s legend: the ring around today&apos;s number</extracomment>
        <translation>今天</translation>
    </message>
</context>
<context>
    <name>cyclara::YearWindow</name>
    <message>
        <source>Cyclara - 全年</source>
        <translation>Cyclara - 全年</translation>
    </message>
    <message>
        <source>年份</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>上一年</source>
        <translation>上一年</translation>
    </message>
    <message>
        <source>下一年</source>
        <translation>下一年</translation>
    </message>
    <message>
        <source>全年日历</source>
        <translation>全年日曆</translation>
    </message>
    <message>
        <source>每月一页</source>
        <translation>每月一頁</translation>
    </message>
    <message>
        <source>全年一页</source>
        <translation>全年一頁</translation>
    </message>
    <message>
        <source>打印的页面</source>
        <translation>列印的頁面</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>匯出 PDF…</translation>
    </message>
    <message>
        <source>打印：</source>
        <translation>列印：</translation>
    </message>
    <message>
        <source>%1 出生</source>
        <extracomment>Whose year is shown, for a query without a name: the birth date</extracomment>
        <translation>%1 出生</translation>
    </message>
    <message>
        <source>%1（%2 出生）</source>
        <extracomment>Whose year is shown: the name, then the birth date</extracomment>
        <translation>%1（%2 出生）</translation>
    </message>
    <message>
        <source>无法打印全部页面：打印机不接受新的一页</source>
        <translation>無法列印全部頁面：印表機不接受新的一頁</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>匯出 PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>无法导出全部页面</source>
        <translation>無法匯出全部頁面</translation>
    </message>
    <message>
        <source>无法写入 PDF 文件：
%1
%2</source>
        <extracomment>A PDF file could not be exported: the file&apos;s path, then why</extracomment>
        <translation>無法寫入 PDF 檔案：
%1
%2</translation>
    </message>
    <message>
        <source>%1：%2 至 %3</source>
        <extracomment>A printed sheet&apos;s heading: whose days, then the first and the last day</extracomment>
        <translation>%1：%2 至 %3</translation>
    </message>
    <message>
        <source>每个节律的值 = sin(2π·t/P) × 100，四舍五入到整数（恰为一半时取偶数）；2π 取程序的常数 6.2832，t 为出生以来的天数，P 为周期：智力 33 天、情绪 28 天、体力 23 天。颜色为三者的均值。</source>
        <extracomment>The small print of a printed sheet: how each value is worked out</extracomment>
        <translation>每個節律的值 = sin(2π·t/P) × 100，四捨五入到整數（恰為一半時取偶數）；2π 取程式的常數 6.2832，t 為出生以來的天數，P 為週期：智力 33 天、情緒 28 天、體力 23 天。顏色為三者的均值。</translation>
    </message>
</context>
</TS>
