<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>出生年</source>
        <translation>Year born</translation>
    </message>
    <message>
        <source>出生月</source>
        <translation>Month born</translation>
    </message>
    <message>
        <source>出生日</source>
        <translation>Day born</translation>
    </message>
    <message>
        <source>查询年</source>
        <translation>Year of the date</translation>
    </message>
    <message>
        <source>查询月</source>
        <translation>Month of the date</translation>
    </message>
    <message>
        <source>查询日</source>
        <translation>Day of the date</translation>
    </message>
    <message>
        <source>前后天数</source>
        <translation>Days before and after</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>生物节律图</source>
        <translation>Biorhythm chart</translation>
    </message>
    <message>
        <source>节律说明</source>
        <translation>Notes on the cycles</translation>
    </message>
    <message>
        <source>智力状况</source>
        <translation>Mind today</translation>
    </message>
    <message>
        <source>情绪状况</source>
        <translation>Mood today</translation>
    </message>
    <message>
        <source>体力状况</source>
        <translation>Body today</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>%1 出生</source>
        <extracomment>Whose critical days, for a person given by the birth date only</extracomment>
        <translation>born %1</translation>
    </message>
    <message>
        <source>%1的临界日</source>
        <extracomment>The name of a calendar of a person&apos;s critical days</extracomment>
        <translation>Critical days of %1</translation>
    </message>
    <message>
        <source>%1：%2临界日</source>
        <extracomment>An event&apos;s summary: who, then the cycles critical that day</extracomment>
        <translation>%1: %2 critical day</translation>
    </message>
    <message>
        <source>%1的双重临界日</source>
        <extracomment>The name of a calendar of the days on which two or three of a person&apos;s cycles are critical</extracomment>
        <translation>Double critical days of %1</translation>
    </message>
    <message>
        <source>%1的三重临界日</source>
        <extracomment>The name of a calendar of the days on which all three of a person&apos;s cycles are critical</extracomment>
        <translation>Triple critical days of %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>无法读取姓名登记文件 %1：%2</source>
        <extracomment>The register file could not be read: its path, then why</extracomment>
        <translation>cannot read the name register %1: %2</translation>
    </message>
    <message>
        <source>--%1：“%2”不是日期；请写成 YYYY-MM-DD，年份在 100 到 9999 之间</source>
        <extracomment>A date option&apos;s value is no date; %1 the option, %2 the value</extracomment>
        <translation>--%1: &quot;%2&quot; is not a date; write YYYY-MM-DD with a year from 100 to 9999</translation>
    </message>
    <message>
        <source>生日。</source>
        <translation>The birth date.</translation>
    </message>
    <message>
        <source>表格中间的一天；不写则为今天。</source>
        <translation>The middle day of the table; today if not given.</translation>
    </message>
    <message>
        <source>它前后的天数；不写则为 3。</source>
        <translation>Days before and after it; 3 if not given.</translation>
    </message>
    <message>
        <source>表格的第一天，代替 --date 和 --days。</source>
        <translation>The first day of the table, instead of --date and --days.</translation>
    </message>
    <message>
        <source>表格的最后一天（最多在 --from 之后 100 年）。</source>
        <translation>The last day of the table (at most 100 years after --from).</translation>
    </message>
    <message>
        <source>界面语言：zh_CN、zh_TW 或 en。</source>
        <translation>The interface language: zh_CN, zh_TW or en.</translation>
    </message>
    <message>
        <source>请用 --birth 给出生日，或用 --name 给出已登记的人，二者取一</source>
        <translation>give the birth date with --birth or a registered person with --name, one of the two</translation>
    </message>
    <message>
        <source>--date、--days 与 --from、--to 不能同时使用</source>
        <translation>use --date and --days or --from and --to, not both</translation>
    </message>
    <message>
        <source>--from 和 --to 要一起使用</source>
        <translation>--from and --to go together</translation>
    </message>
    <message>
        <source>--from 在 --to 之后</source>
        <translation>--from is after --to</translation>
    </message>
    <message>
        <source>生日在表格的第一天之后</source>
        <translation>the birth date is after the first day of the table</translation>
    </message>
    <message>
        <source>--days：“%1”不是 0 或更大的整数</source>
        <translation>--days: &quot;%1&quot; is not a whole number from 0 up</translation>
    </message>
    <message>
        <source>表格超过了 %1 年</source>
        <translation>the table spans more than %1 years</translation>
    </message>
    <message>
        <source>“%1”不是选项；cyclara --help 列出所有选项</source>
        <translation>&quot;%1&quot; is not an option; cyclara --help lists them</translation>
    </message>
    <message>
        <source>--lang：“%1”不是 zh_CN、zh_TW 或 en</source>
        <translation>--lang: &quot;%1&quot; is not zh_CN, zh_TW or en</translation>
    </message>
    <message>
        <source>输出生物节律表。不带选项时，Cyclara 打开它的窗口。</source>
        <translation>Prints a biorhythm day table. Without options, Cyclara opens its window.</translation>
    </message>
    <message>
        <source>“%1”不在姓名登记 %2 中</source>
        <translation>&quot;%1&quot; is not in the name register %2</translation>
    </message>
    <message>
        <source>无法输出：标准输出已关闭</source>
        <extracomment>Standard output was closed when the program started, so nothing could be written</extracomment>
        <translation>Cannot write: standard output is closed</translation>
    </message>
    <message>
        <source>无法写入标准输出：%1</source>
        <extracomment>Writing to standard output failed; why</extracomment>
        <translation>Cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>列出这些选项。</source>
        <translation>Lists these options.</translation>
    </message>
    <message>
        <source>--days：前后 %1 天的表格超过了 %2 年</source>
        <extracomment>--days asks for a table longer than the longest one; %2 is that length in years</extracomment>
        <translation>--days: a table of %1 days either side is more than %2 years long</translation>
    </message>
    <message>
        <source>无法更改登录时的提醒 %1：%2</source>
        <extracomment>The autostart entry could not be written or removed: its path, then why</extracomment>
        <translation>Cannot change the reminders at login %1: %2</translation>
    </message>
    <message>
        <source>登录时提醒关键日：已开启（%1）</source>
        <translation>Reminders of critical days at login: on (%1)</translation>
    </message>
    <message>
        <source>登录时提醒关键日：已关闭</source>
        <translation>Reminders of critical days at login: off</translation>
    </message>
    <message>
        <source>--name 和 --remind 所查的姓名登记文件（只读不写）；默认为窗口所用的。</source>
        <translation>The name register --name and --remind look in (only read); the window&apos;s by default.</translation>
    </message>
    <message>
        <source>text（默认）、csv、json 或 ics（临界日的 iCalendar 日历）。</source>
        <translation>text (the default), csv, json or ics (the critical days as an iCalendar calendar).</translation>
    </message>
    <message>
        <source>为姓名登记中今天是临界日的人发出桌面通知。</source>
        <translation>Sends a desktop notification for each person in the name register with a critical day today.</translation>
    </message>
    <message>
        <source>--remind 也提醒今天之后 N 天内的临界日。</source>
        <translation>Makes --remind also tell the critical days of the next N days.</translation>
    </message>
    <message>
        <source>登录时是否运行 --remind：on 或 off。</source>
        <translation>Whether --remind runs at login: on or off.</translation>
    </message>
    <message>
        <source>窗口打开时显示姓名登记中的这个人。</source>
        <translation>Opens the window on this person of the name register.</translation>
    </message>
    <message>
        <source>窗口打开时查询这一天。</source>
        <translation>Opens the window on this day.</translation>
    </message>
    <message>
        <source>--remind-at-login 只与 --lang 同用</source>
        <translation>--remind-at-login goes with --lang only</translation>
    </message>
    <message>
        <source>--remind-at-login：“%1”不是 on 或 off</source>
        <translation>--remind-at-login: &quot;%1&quot; is not on or off</translation>
    </message>
    <message>
        <source>--remind 提醒姓名登记中的所有人，不与表格选项同用</source>
        <translation>--remind tells about everyone in the name register and does not go with the table options</translation>
    </message>
    <message>
        <source>--ahead 只用于 --remind</source>
        <translation>--ahead goes with --remind only</translation>
    </message>
    <message>
        <source>--show-name 和 --show-date 只用于打开窗口</source>
        <translation>--show-name and --show-date only open the window</translation>
    </message>
    <message>
        <source>--ahead：“%1”不是 0 到 %2 之间的整数</source>
        <extracomment>--ahead&apos;s value is not a whole number of days within the limit</extracomment>
        <translation>--ahead: &quot;%1&quot; is not a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>--format：“%1”不是 text、csv、json 或 ics</source>
        <translation>--format: &quot;%1&quot; is not text, csv, json or ics</translation>
    </message>
    <message>
        <source>--register 只用于 --name 和 --remind</source>
        <translation>--register goes with --name or --remind only</translation>
    </message>
    <message>
        <source>无法打开窗口：%1</source>
        <extracomment>The window&apos;s part of the program is missing or could not be loaded; why</extracomment>
        <translation>Cannot open the window: %1</translation>
    </message>
    <message>
        <source>--best-days 要用 --name 给出至少一个已登记的人</source>
        <translation>--best-days needs at least one registered person given with --name</translation>
    </message>
    <message>
        <source>--name 给了 %1 个人；一起看最多 %2 个</source>
        <extracomment>%1 people were given with --name; %2 is the most looked at together</extracomment>
        <translation>--name gives %1 people; at most %2 are looked at together</translation>
    </message>
    <message>
        <source>几个人一起看或用 --best-days 时，最多 %1 天；这里有 %2 天</source>
        <extracomment>The range of days for several people or --best-days is too long; %1 the most, %2 asked</extracomment>
        <translation>several people together, or --best-days, take at most %1 days; these are %2</translation>
    </message>
    <message>
        <source>“%1”的生日在表格的第一天之后</source>
        <extracomment>A person given with --name (%1) was born after the first day of the table</extracomment>
        <translation>the birth date of &quot;%1&quot; is after the first day of the table</translation>
    </message>
    <message>
        <source>用姓名登记中此人的生日；可给 2 到 8 次，逐人列出各人的日子。</source>
        <translation>Takes the birth date of this person from the name register; given 2 to 8 times, lists each person&apos;s days in turn.</translation>
    </message>
    <message>
        <source>两个 --name 的合拍度：各节律同起同落的程度。</source>
        <translation>The match of two --name: how far their cycles rise and fall together.</translation>
    </message>
    <message>
        <source>所有 --name 在 --from 到 --to 间最好的 10 天。</source>
        <translation>The 10 best days for every --name from --from to --to.</translation>
    </message>
    <message>
        <source>--%1 只用于 --name</source>
        <extracomment>--match or --best-days (%1) with --birth: they take registered people only</extracomment>
        <translation>--%1 goes with --name only</translation>
    </message>
    <message>
        <source>--%1 不写 ics 日历</source>
        <extracomment>--match, --best-days or --next-critical (%1) with --format ics</extracomment>
        <translation>--%1 writes no ics calendar</translation>
    </message>
    <message>
        <source>--match 与日子无关，不与 --date、--days、--from、--to 同用</source>
        <translation>--match is about no days and does not go with --date, --days, --from or --to</translation>
    </message>
    <message>
        <source>--match 要两个 --name，这里有 %1 个</source>
        <extracomment>--match was given another number (%1) of --name than two</extracomment>
        <translation>--match takes two --name, not %1</translation>
    </message>
    <message>
        <source>--best-days 的日子用 --from 和 --to 给出</source>
        <translation>--best-days takes its days from --from and --to</translation>
    </message>
    <message>
        <source>“%1”用 --name 给了两次</source>
        <extracomment>The same registered person was given with --name more than once</extracomment>
        <translation>&quot;%1&quot; is given twice with --name</translation>
    </message>
    <message>
        <source>节律</source>
        <extracomment>The headings of the match table: the cycle, its match, what that means</extracomment>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>合拍度</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>含义</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>总体</source>
        <extracomment>The match of all three cycles together</extracomment>
        <translation>Overall</translation>
    </message>
    <message numerus="yes">
        <source>%1（%2）与%3（%4）：生日相隔 %5 天</source>
        <extracomment>The match table&apos;s first line: each person with the birth date, then the days between them</extracomment>
        <translation>
            <numerusform>%1 (%2) and %3 (%4): births %5 day apart</numerusform>
            <numerusform>%1 (%2) and %3 (%4): births %5 days apart</numerusform>
        </translation>
    </message>
    <message>
        <source>名次</source>
        <extracomment>The headings of the best days: rank, date, weekday (then, in CSV, how many are critical and the lowest mean), and why the day ranks there</extracomment>
        <translation>Rank</translation>
    </message>
    <message>
        <source>日期</source>
        <extracomment>The headings of a list of critical days: date, weekday, the cycles critical (then, in CSV, how many of them)</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>临界人数</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>最低均值</source>
        <translation>Lowest mean</translation>
    </message>
    <message>
        <source>理由</source>
        <translation>Why</translation>
    </message>
    <message>
        <source>%1 到 %2 每天都有人临界；下面是临界的人最少的日子</source>
        <extracomment>--best-days found no day without someone critical; %1 and %2 the first and last day</extracomment>
        <translation>Someone is critical on every day from %1 to %2; these are the days with the fewest</translation>
    </message>
    <message>
        <source>名次相同的日子，临界人数和最低均值都相同，按日期先后列出</source>
        <translation>Days of the same rank have as many people critical and the same lowest mean; they are listed by date</translation>
    </message>
    <message numerus="yes">
        <source>另有 %1 天与第 %2 名相同，未列出</source>
        <extracomment>Days not listed that rank as the last one listed: %1 how many, %2 that rank</extracomment>
        <translation>
            <numerusform>%1 more day ranks as number %2 and is not listed</numerusform>
            <numerusform>%1 more days rank as number %2 and are not listed</numerusform>
        </translation>
    </message>
    <message>
        <source>姓名</source>
        <extracomment>The heading of the column of names, in a table of several people&apos;s days</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>--%1：“%2”不是 single、double 或 triple</source>
        <extracomment>--critical or --next-critical (%1) was given a kind of critical days (%2) it does not know</extracomment>
        <translation>--%1: &quot;%2&quot; is not single, double or triple</translation>
    </message>
    <message>
        <source>只列出表格日子中的临界日，kind 为 single（每个临界日）、double（两个或三个节律同日临界）或 triple（三个节律同日临界）。</source>
        <translation>Lists only the critical days among the table&apos;s days, kind being single (every critical day), double (two or three cycles critical on one day) or triple (all three critical on one day).</translation>
    </message>
    <message>
        <source>从 --date（不写则为今天）起的下一个这种临界日（kind 同 --critical）及相隔的天数。</source>
        <translation>The next critical day of this kind (as for --critical) from --date (today if not given) on, and how many days away it is.</translation>
    </message>
    <message>
        <source>--%1 和 --%2 不能同时使用</source>
        <extracomment>Two options that each tell what the table is about, such as --match and --critical</extracomment>
        <translation>--%1 and --%2 do not go together</translation>
    </message>
    <message>
        <source>--%1 只看一个人；--name 给了 %2 个</source>
        <extracomment>--critical or --next-critical (%1) was given several people with --name (%2 of them)</extracomment>
        <translation>--%1 looks at one person; --name gives %2</translation>
    </message>
    <message>
        <source>--next-critical 从 --date 或今天找起，不与 --days、--from、--to 同用</source>
        <translation>--next-critical looks from --date or today and does not go with --days, --from or --to</translation>
    </message>
    <message>
        <source>临界日</source>
        <extracomment>What was looked for: any critical day, a double one (two or three cycles critical together) or a triple one; it ends the line telling there is none</extracomment>
        <translation>critical days</translation>
    </message>
    <message>
        <source>双重临界日</source>
        <translation>double critical days</translation>
    </message>
    <message>
        <source>三重临界日</source>
        <translation>triple critical days</translation>
    </message>
    <message>
        <source>临界节律</source>
        <translation>Critical cycles</translation>
    </message>
    <message>
        <source>临界节律数</source>
        <translation>Cycles critical</translation>
    </message>
    <message>
        <source>%1 到 %2 没有%3</source>
        <extracomment>No critical day of the kind looked for (%3: 临界日, 双重临界日 or 三重临界日) from %1 to %2</extracomment>
        <translation>no %3 from %1 to %2</translation>
    </message>
    <message>
        <source>相隔天数</source>
        <extracomment>The heading of how many days after the day looked from the next critical day lies</extracomment>
        <translation>Days ahead</translation>
    </message>
    <message>
        <source>当天</source>
        <extracomment>How far the next critical day lies after the day it was looked for from: that very day, or so many days after</extracomment>
        <translation>the same day</translation>
    </message>
    <message numerus="yes">
        <source>%n 天后</source>
        <translation>
            <numerusform>in %n day</numerusform>
            <numerusform>in %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>--cycles：“%1”不是 intuitive、aesthetic、awareness 或 spiritual</source>
        <extracomment>--cycles was given a word (%1) that names none of the further cycles</extracomment>
        <translation>--cycles: &quot;%1&quot; is not intuitive, aesthetic, awareness or spiritual</translation>
    </message>
    <message>
        <source>日子表格在五列之后加上这些更多节律，以逗号分隔：intuitive（直觉）、aesthetic（审美）、awareness（感知）、spiritual（精神）。</source>
        <translation>Add these further cycles to the table of days, after its five columns, separated by commas: intuitive (Intuition), aesthetic (Aesthetic), awareness (Awareness), spiritual (Spirit).</translation>
    </message>
</context>
<context>
    <name>ControlTables</name>
    <message>
        <source>我的生日是</source>
        <translation>Born on</translation>
    </message>
    <message>
        <source>年</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>月</source>
        <translation>M</translation>
    </message>
    <message>
        <source>日</source>
        <translation>D</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>我要查询</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>前后</source>
        <translation>±</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>生物曲线</source>
        <translation>Biorhythm curves</translation>
    </message>
</context>
<context>
    <name>DayStatus</name>
    <message>
        <source>%1-%2 </source>
        <extracomment>One cycle in the status line: its name and its status, followed by a blank</extracomment>
        <translation>%1 %2   </translation>
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
        <translation>Day before yesterday</translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>明天</source>
        <translation>Tomorrow</translation>
    </message>
    <message>
        <source>后天</source>
        <translation>Day after tomorrow</translation>
    </message>
    <message>
        <source>yy-M-d</source>
        <extracomment>A day of another year, as a QDate format, or &quot;short&quot; for the locale&apos;s short date</extracomment>
        <translation>short</translation>
    </message>
    <message>
        <source>M月d日</source>
        <extracomment>A day of another month this year, as a QDate format, or &quot;short&quot;</extracomment>
        <translation>short</translation>
    </message>
    <message>
        <source>d日</source>
        <extracomment>A day of this month, as a QDate format, or &quot;short&quot;</extracomment>
        <translation>short</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>无法打开窗口：没有可用的显示（请检查 DISPLAY 或 WAYLAND_DISPLAY）；不用窗口的用法见 cyclara --help</source>
        <translation>Cannot open the window: no display is available (check DISPLAY or WAYLAND_DISPLAY); cyclara --help tells what works without one</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>导出日历</source>
        <translation>Export Calendar</translation>
    </message>
    <message>
        <source>iCalendar 日历 (*.ics)</source>
        <translation>iCalendar calendars (*.ics)</translation>
    </message>
    <message>
        <source>无法写入日历文件：
%1
%2</source>
        <extracomment>A calendar could not be exported: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the calendar file:
%1
%2</translation>
    </message>
    <message>
        <source>无法写入打印文件：
%1
%2</source>
        <extracomment>A page could not be printed into a file: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the print file:
%1
%2</translation>
    </message>
    <message>
        <source>无法打印：打印机或文件不能使用</source>
        <translation>Cannot print: the printer or the file cannot be used</translation>
    </message>
</context>
<context>
    <name>LoginEntry</name>
    <message>
        <source>这个位置上已有一个不是 Cyclara 写的文件或链接，为安全起见不去改动它</source>
        <extracomment>A file or link of the autostart entry&apos;s name that Cyclara did not write</extracomment>
        <translation>A file or link Cyclara did not write is already there; for safety it is left as it is</translation>
    </message>
    <message>
        <source>本程序文件的路径中有换行符等控制字符，或不是 UTF-8 文字，桌面无法照原样运行它</source>
        <extracomment>The program&apos;s own path cannot be written into the autostart entry</extracomment>
        <translation>The program's path holds a newline or other control character, or is not UTF-8 text; the desktop could not run it as it is</translation>
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
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The people window&apos;s status line: the day&apos;s label, then every person&apos;s status</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>几乎同起同落</source>
        <extracomment>Two people&apos;s curves of a cycle at a match of 90% or more</extracomment>
        <translation>rise and fall almost together</translation>
    </message>
    <message>
        <source>多半同起同落</source>
        <extracomment>... at a match of 60% to 89%</extracomment>
        <translation>mostly rise and fall together</translation>
    </message>
    <message>
        <source>时而同向，时而相反</source>
        <extracomment>... at a match of 41% to 59%</extracomment>
        <translation>together at times, opposite at others</translation>
    </message>
    <message>
        <source>多半此起彼落</source>
        <extracomment>... at a match of 11% to 40%: mostly one rises while the other falls</extracomment>
        <translation>mostly one rises as the other falls</translation>
    </message>
    <message>
        <source>几乎此起彼落</source>
        <extracomment>... at a match of 10% or less</extracomment>
        <translation>almost always one rises as the other falls</translation>
    </message>
    <message>
        <source>无人临界；最低均值 %1</source>
        <extracomment>Why a day suits the group: nobody is critical, then the lowest mean of anyone</extracomment>
        <translation>nobody critical; lowest mean %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 人临界；最低均值 %2</source>
        <extracomment>Why a day ranks where it does: how many are critical, then the lowest mean of anyone</extracomment>
        <translation>
            <numerusform>%1 person critical; lowest mean %2</numerusform>
            <numerusform>%1 people critical; lowest mean %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>缺少 %1</source>
        <extracomment>A part of the program is not installed: the path of its file</extracomment>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>不打开 %1：其他用户可以改动 %2</source>
        <extracomment>A part of the program is not opened: its path, then the file or folder above it that other users may change</extracomment>
        <translation>Not opening %1: other users can change %2</translation>
    </message>
</context>
<context>
    <name>QueryProblems</name>
    <message>
        <source>生日填写有误, 请重新填写</source>
        <translation>The birth date is not right; please enter it again</translation>
    </message>
    <message>
        <source>查询日期填写有误, 请重新填写</source>
        <translation>The date is not right; please enter it again</translation>
    </message>
    <message>
        <source>查询日期应该在生日之后, 请重新填写.</source>
        <translation>The date should come after the birth date; please enter it again.</translation>
    </message>
    <message>
        <source>生日不是有效的日期</source>
        <extracomment>On the command line: the birth date names no day</extracomment>
        <translation>the birth date is not a valid date</translation>
    </message>
    <message>
        <source>表格超出了 100 年至 9999 年的范围</source>
        <translation>the table reaches beyond the years 100 to 9999</translation>
    </message>
    <message>
        <source>生日在查询日期之后</source>
        <translation>the birth date is after the query date</translation>
    </message>
</context>
<context>
    <name>RegisterMessages</name>
    <message>
        <source>原因不明</source>
        <translation>unknown reason</translation>
    </message>
    <message>
        <source>没有访问权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>所在的文件系统只能读取</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>链接层层相连，找不到真正的文件</source>
        <translation>too many links lead on to other links to find the real file</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>读写磁盘时出错</source>
        <translation>the disk failed to read or write</translation>
    </message>
    <message>
        <source>文件已经存在</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>同时打开的文件太多</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>系统错误 %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>这个位置上有一个同名的文件夹</source>
        <translation>a folder of that name is in the way</translation>
    </message>
    <message>
        <source>这个位置上的不是普通文件</source>
        <translation>what is there is not a plain file</translation>
    </message>
    <message>
        <source>文件超过 16 兆字节，不会是姓名登记文件</source>
        <translation>the file is larger than 16 MB and cannot be a name register</translation>
    </message>
    <message>
        <source>这是其他用户建立的链接，为安全起见不去打开它</source>
        <translation>it is a link made by another user, not opened for safety</translation>
    </message>
    <message>
        <source>另一个 Cyclara 正在保存这个文件</source>
        <translation>another Cyclara is saving this file</translation>
    </message>
    <message>
        <source>姓名登记文件中有些内容无法完整读出，原文件也无法另存一份备份，所以本次不会改写它：
%1
%2</source>
        <translation>Part of the name register cannot be read in full, and no backup copy of the file could be made, so it will not be rewritten this time:
%1
%2</translation>
    </message>
    <message>
        <source>无法读取姓名登记文件，本次不会改写它：
%1
%2</source>
        <translation>The name register cannot be read and will not be rewritten this time:
%1
%2</translation>
    </message>
    <message>
        <source>姓名登记文件中有些内容无法完整读出（编码不符、格式不对或同一姓名写了几次），关闭时重写这个文件会失去它们：
%1
原文件已原样备份为：
%2</source>
        <translation>Part of the name register cannot be read in full (another encoding, lines in another form or a name given more than once), and rewriting the file at closing would lose it:
%1
The file has been kept unchanged as:
%2</translation>
    </message>
    <message>
        <source>姓名登记文件无法保存，本次记录的姓名到关闭时也将无法保存：
%1
%2</source>
        <translation>The name register cannot be saved, so the names recorded now cannot be saved at closing either:
%1
%2</translation>
    </message>
    <message>
        <source>选择“取消”则放弃本次的更改，原有文件保持不变。</source>
        <translation>Choose Cancel to give up this time&apos;s changes; the existing file stays as it is.</translation>
    </message>
    <message>
        <source>选择“取消”则放弃本次的更改。</source>
        <translation>Choose Cancel to give up this time&apos;s changes.</translation>
    </message>
    <message>
        <source>无法保存姓名登记文件：
%1
%2

选择“重试”再试一次；%3</source>
        <translation>The name register cannot be saved:
%1
%2

Choose Retry to try again. %3</translation>
    </message>
    <message>
        <source>保存后文件会超过 16 兆字节，而 Cyclara 只读取 16 兆字节以内的姓名登记文件</source>
        <translation>saved, the file would be larger than 16 MB, and Cyclara reads name registers of up to 16 MB only</translation>
    </message>
    <message>
        <source>备份文件太多：从 .bak 到 .bak.99 的名字都已被其他文件占用</source>
        <translation>too many backups: every name from .bak to .bak.99 is taken by another file</translation>
    </message>
    <message>
        <source>锁文件的位置上有一个文件夹：%1</source>
        <translation>a folder stands where the lock file goes: %1</translation>
    </message>
    <message>
        <source>锁文件的位置上的不是普通文件：%1</source>
        <translation>what stands where the lock file goes is not a plain file: %1</translation>
    </message>
    <message>
        <source>锁文件属于另一个用户：%1</source>
        <translation>the lock file belongs to another user: %1</translation>
    </message>
    <message>
        <source>锁文件是空的或无法识别，也不是正在保存的 Cyclara 留下的：%1</source>
        <translation>the lock file is empty or unknown, and no Cyclara that is saving left it: %1</translation>
    </message>
    <message>
        <source>姓名登记文件中有些内容无法完整读出，原文件又无法另存一份备份，为了不丢失它们，本次记录的姓名没有保存：
%1
%2</source>
        <translation>Part of the name register cannot be read in full, and no backup copy of the file could be made; so as not to lose that part, the names recorded this time were not saved:
%1
%2</translation>
    </message>
    <message>
        <source>姓名登记文件无法读取，本次记录的姓名没有保存：
%1
%2</source>
        <translation>The name register could not be read, so the names recorded this time were not saved:
%1
%2</translation>
    </message>
    <message>
        <source>文件中有些内容无法完整读出，而原文件无法另存一份备份：%1</source>
        <translation>part of the file cannot be read in full, and no backup copy of it could be made: %1</translation>
    </message>
    <message>
        <source>原有文件保持不变，本次的更改没有保存。</source>
        <translation>The existing file stays as it is; this time&apos;s changes were not saved.</translation>
    </message>
    <message>
        <source>本次的更改没有保存。</source>
        <translation>This time&apos;s changes were not saved.</translation>
    </message>
    <message>
        <source>无法保存姓名登记文件：
%1
%2

%3</source>
        <translation>The name register cannot be saved:
%1
%2

%3</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>改名为“%1”，出生日期 %2</source>
        <translation>renamed to “%1”, born %2</translation>
    </message>
    <message>
        <source>出生日期 %1</source>
        <translation>born %1</translation>
    </message>
    <message>
        <source>“%1”：本窗口%2，文件中%3；保留了本窗口的更改</source>
        <translation>“%1”: in this window %2, in the file %3; this window's change was kept</translation>
    </message>
    <message>
        <source>“%1”：本窗口%2，文件中%3；保留了文件中的更改</source>
        <translation>“%1”: in this window %2, in the file %3; the file's change was kept</translation>
    </message>
    <message>
        <source>姓名登记文件在本窗口打开后被另一个窗口或其他程序改过，以下更改相互冲突，各保留了一方：
%1
%2</source>
        <translation>The register was changed by another window or program after this window opened it; these changes conflicted, and one side of each was kept:
%1
%2</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>没有会话总线（%1）</source>
        <extracomment>There is no session bus to send notifications through; why, in D-Bus&apos;s words</extracomment>
        <translation>there is no session bus (%1)</translation>
    </message>
    <message>
        <source>会话总线上没有通知服务（%1）</source>
        <extracomment>Nobody serves notifications on the session bus; the D-Bus error&apos;s name</extracomment>
        <translation>no notification service is on the session bus (%1)</translation>
    </message>
    <message>
        <source>打开</source>
        <extracomment>What clicking a reminder does: open Cyclara on that day</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <source>%1的临界日</source>
        <extracomment>A reminder&apos;s title: whose critical days it tells</extracomment>
        <translation>Critical days of %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>A line of a reminder: the day (今天, 明天, 6月20日), then its critical cycles</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>无法发出提醒：%1</source>
        <extracomment>Reminders could not be sent; why</extracomment>
        <translation>Cannot send reminders: %1</translation>
    </message>
    <message>
        <source>另有 %1 人今天起有临界日</source>
        <extracomment>The one notification for the people past the first few reminders: how many they are</extracomment>
        <translation>%1 more people have critical days from today</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of a notification for several people</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1等</source>
        <extracomment>The names of a notification for several people, when there are more than shown</extracomment>
        <translation>%1 and others</translation>
    </message>
    <message>
        <source>通知服务已中止，提醒随之消失</source>
        <extracomment>The notification service ended while reminders were shown: they are gone with it</extracomment>
        <translation>The notification service ended; the reminders went with it</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <source>智力</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>情绪</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>均值</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>绝对均值</source>
        <translation>Abs. mean</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>What separates the items of a list of cycle names</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>（三重）</source>
        <translation> (triple)</translation>
    </message>
    <message>
        <source>（双重）</source>
        <translation> (double)</translation>
    </message>
    <message>
        <source>直觉</source>
        <translation>Intuition</translation>
    </message>
    <message>
        <source>审美</source>
        <translation>Aesthetic</translation>
    </message>
    <message>
        <source>感知</source>
        <translation>Awareness</translation>
    </message>
    <message>
        <source>精神</source>
        <translation>Spirit</translation>
    </message>
</context>
<context>
    <name>ShownQuery</name>
    <message>
        <source>%1 出生，查询日期 %2</source>
        <extracomment>Whose days are shown, for a query without a name: the birth date and the query date</extracomment>
        <translation>Born %1, on %2</translation>
    </message>
    <message>
        <source>%1，%2 出生，查询日期 %3</source>
        <extracomment>Whose days are shown: the name, the birth date and the query date</extracomment>
        <translation>%1, born %2, on %3</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>低谷</source>
        <translation>Trough</translation>
    </message>
    <message>
        <source>低潮</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>临界</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>高潮</source>
        <translation>High</translation>
    </message>
    <message>
        <source>高峰</source>
        <translation>Peak</translation>
    </message>
    <message numerus="yes">
        <source>%1(%2%,%3分)</source>
        <extracomment>A cycle&apos;s status: the word, the value in percent, the score out of 100, e.g. 高峰(85%,92分)</extracomment>
        <translation>
            <numerusform>%1 (%2%, %3 pt)</numerusform>
            <numerusform>%1 (%2%, %3 pts)</numerusform>
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
        <translation>People Together…</translation>
    </message>
    <message>
        <source>全年…</source>
        <translation>Year…</translation>
    </message>
    <message>
        <source>更多节律</source>
        <translation>More Cycles</translation>
    </message>
    <message>
        <source>%1（%2 天）</source>
        <extracomment>A further cycle in the chart&apos;s menu: its name, then its length in days</extracomment>
        <translation>%1 (%2 days)</translation>
    </message>
    <message>
        <source>无法记住所选的节律：设置文件不能写入</source>
        <extracomment>The choice of further cycles could not be written to the settings</extracomment>
        <translation>Cannot remember the cycles chosen: the settings file cannot be written</translation>
    </message>
</context>
<context>
    <name>cyclara::ChartActions</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export Picture…</translation>
    </message>
    <message>
        <source>导出数据…</source>
        <translation>Export Data…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>关键日…</source>
        <translation>Critical Days…</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>无法写入图片文件：
%1
%2</source>
        <extracomment>A picture could not be exported: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the picture file:
%1
%2</translation>
    </message>
    <message>
        <source>无法写入数据文件：
%1
%2</source>
        <extracomment>A table could not be exported: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the data file:
%1
%2</translation>
    </message>
    <message>
        <source>数据表…</source>
        <translation>Table…</translation>
    </message>
    <message>
        <source>导出日历…</source>
        <translation>Export Calendar…</translation>
    </message>
</context>
<context>
    <name>cyclara::CriticalDaysDialog</name>
    <message>
        <source>Cyclara - 关键日</source>
        <translation>Cyclara - Critical Days</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A person: the name, then the birth date</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1：%2 起 %3 天内的临界日</source>
        <extracomment>The person, the first day and the number of days looked at</extracomment>
        <translation>%1: critical days in the %3 days from %2</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>登录时提醒关键日</source>
        <translation>Remind me of critical days at login</translation>
    </message>
    <message>
        <source>导出日历…</source>
        <translation>Export Calendar…</translation>
    </message>
    <message>
        <source>无法更改登录时的提醒：
%1
%2</source>
        <extracomment>The reminders at login could not be turned on or off: the entry&apos;s path, then why</extracomment>
        <translation>Cannot change the reminders at login:
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
        <translation>Every critical day</translation>
    </message>
    <message>
        <source>两个或三个节律同时临界</source>
        <translation>Two or three cycles together</translation>
    </message>
    <message>
        <source>三个节律同时临界</source>
        <translation>All three cycles together</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>下一个三重临界日: %1 %2，%3 天后</source>
        <extracomment>The next day all three cycles are critical: its date and weekday, then how many days after the query date</extracomment>
        <translation>Next triple critical day: %1 %2, in %3 days</translation>
    </message>
    <message>
        <source>下一个三重临界日: 9999 年底之前没有</source>
        <translation>Next triple critical day: none before the end of 9999</translation>
    </message>
</context>
<context>
    <name>cyclara::CycleChart</name>
    <message>
        <source>竖线是今天</source>
        <translation>The vertical line is today</translation>
    </message>
    <message>
        <source>%1
%2：%3</source>
        <extracomment>A point&apos;s tooltip: the day&apos;s label, then the series and its value</extracomment>
        <translation>%1
%2: %3</translation>
    </message>
    <message>
        <source>%1
临界日：%2</source>
        <extracomment>A critical day&apos;s tooltip: its label, then the cycles critical that day</extracomment>
        <translation>%1
Critical: %2</translation>
    </message>
</context>
<context>
    <name>cyclara::DayTableDialog</name>
    <message>
        <source>Cyclara - 数据表</source>
        <translation>Cyclara - Table</translation>
    </message>
    <message>
        <source>数据表</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>cyclara::HelpWindow</name>
    <message>
        <source>Cyclara - 帮助信息</source>
        <translation>Cyclara - Help</translation>
    </message>
</context>
<context>
    <name>cyclara::NameListEditing</name>
    <message>
        <source>删除此人</source>
        <translation>Remove This Person</translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>要从姓名登记中删除“%1”吗？</source>
        <translation>Remove &quot;%1&quot; from the name register?</translation>
    </message>
    <message>
        <source>“%1”的新姓名：</source>
        <translation>New name for &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>姓名中不能含有空格，请重新填写</source>
        <translation>A name cannot hold blanks; please type it again</translation>
    </message>
    <message>
        <source>“%1”已经登记过了，请换一个姓名</source>
        <translation>&quot;%1&quot; is already registered; please choose another name</translation>
    </message>
</context>
<context>
    <name>cyclara::PeopleWindow</name>
    <message>
        <source>Cyclara - 多人比较</source>
        <translation>Cyclara - People Together</translation>
    </message>
    <message>
        <source>比较的人</source>
        <translation>People compared</translation>
    </message>
    <message>
        <source>节律</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>起始日期</source>
        <translation>From</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>To</translation>
    </message>
    <message>
        <source>多人节律图</source>
        <translation>Biorhythms of the people</translation>
    </message>
    <message>
        <source>数据表</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>第一人</source>
        <translation>First person</translation>
    </message>
    <message>
        <source>第二人</source>
        <translation>Second person</translation>
    </message>
    <message>
        <source>合拍度</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>含义</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>总体</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>好日子</source>
        <translation>Best days</translation>
    </message>
    <message>
        <source>与</source>
        <translation>and</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export Picture…</translation>
    </message>
    <message>
        <source>导出数据…</source>
        <translation>Export Data…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>勾选 2 到 8 人：</source>
        <translation>Tick 2 to 8 people:</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A person in the people window&apos;s list: the name, then the birth date</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>最多比较 %1 人</source>
        <extracomment>More people were ticked than the window compares</extracomment>
        <translation>At most %1 people are compared</translation>
    </message>
    <message>
        <source>勾选 2 到 8 人一起比较</source>
        <translation>Tick 2 to 8 people to compare them</translation>
    </message>
    <message>
        <source>起始日期在结束日期之后</source>
        <translation>The first day is after the last</translation>
    </message>
    <message>
        <source>日期范围最长 %1 天</source>
        <translation>The range is %1 days at most</translation>
    </message>
    <message>
        <source>%1 生于起始日期之后</source>
        <extracomment>A ticked person was born after the first day of the range</extracomment>
        <translation>%1 was born after the first day</translation>
    </message>
    <message>
        <source>%1. %2 %3  %4</source>
        <extracomment>A best day: its rank, date and weekday, then why it ranks there</extracomment>
        <translation>%1. %2 %3  %4</translation>
    </message>
    <message>
        <source>这段日子里每天都有人临界，临界的人最少的日子排在前面。</source>
        <translation>Someone is critical on every one of these days; the days with the fewest come first.</translation>
    </message>
    <message>
        <source>理由相同的日子按日期先后排列。</source>
        <translation>Days with the same reason are listed by date.</translation>
    </message>
    <message>
        <source>临界的人最少、最低均值最高的日子排在前面。</source>
        <translation>The days with the fewest people critical and the highest lowest mean come first.</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>无法写入图片文件：
%1
%2</source>
        <extracomment>A picture could not be exported: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the picture file:
%1
%2</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>无法写入数据文件：
%1
%2</source>
        <extracomment>A table could not be exported: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the data file:
%1
%2</translation>
    </message>
    <message>
        <source>%1：%2 至 %3</source>
        <extracomment>The printed page&apos;s heading: the people, then the first and the last day</extracomment>
        <translation>%1: %2 to %3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>cyclara::PromptLine</name>
    <message>
        <source>点击图线(柱), 可以显示该日的生物节律状况.</source>
        <translation>Click a line or bar to see that day&apos;s biorhythms.</translation>
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
        <translation>%1 critical</translation>
    </message>
    <message>
        <source>同日多个临界</source>
        <extracomment>The year view&apos;s legend: the frame around two or three critical cycles of one day</extracomment>
        <translation>Several critical on one day</translation>
    </message>
    <message>
        <source>今天</source>
        <extracomment>The year view&apos;s legend: the ring around today&apos;s number</extracomment>
        <translation>Today</translation>
    </message>
</context>
<context>
    <name>cyclara::YearWindow</name>
    <message>
        <source>Cyclara - 全年</source>
        <translation>Cyclara - Year</translation>
    </message>
    <message>
        <source>年份</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>上一年</source>
        <translation>Previous Year</translation>
    </message>
    <message>
        <source>下一年</source>
        <translation>Next Year</translation>
    </message>
    <message>
        <source>全年日历</source>
        <translation>Year calendar</translation>
    </message>
    <message>
        <source>每月一页</source>
        <translation>A month to a page</translation>
    </message>
    <message>
        <source>全年一页</source>
        <translation>The whole year on one page</translation>
    </message>
    <message>
        <source>打印的页面</source>
        <translation>Printed pages</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>打印：</source>
        <translation>Print:</translation>
    </message>
    <message>
        <source>%1 出生</source>
        <extracomment>Whose year is shown, for a query without a name: the birth date</extracomment>
        <translation>born %1</translation>
    </message>
    <message>
        <source>%1（%2 出生）</source>
        <extracomment>Whose year is shown: the name, then the birth date</extracomment>
        <translation>%1 (born %2)</translation>
    </message>
    <message>
        <source>无法打印全部页面：打印机不接受新的一页</source>
        <translation>Could not print every page: the printer took no further page</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>无法导出全部页面</source>
        <translation>Could not export every page</translation>
    </message>
    <message>
        <source>无法写入 PDF 文件：
%1
%2</source>
        <extracomment>A PDF file could not be exported: the file&apos;s path, then why</extracomment>
        <translation>Cannot write the PDF file:
%1
%2</translation>
    </message>
    <message>
        <source>%1：%2 至 %3</source>
        <extracomment>A printed sheet&apos;s heading: whose days, then the first and the last day</extracomment>
        <translation>%1: %2 to %3</translation>
    </message>
    <message>
        <source>每个节律的值 = sin(2π·t/P) × 100，四舍五入到整数（恰为一半时取偶数）；2π 取程序的常数 6.2832，t 为出生以来的天数，P 为周期：智力 33 天、情绪 28 天、体力 23 天。颜色为三者的均值。</source>
        <extracomment>The small print of a printed sheet: how each value is worked out</extracomment>
        <translation>Each cycle&apos;s value = sin(2π·t/P) × 100, rounded to a whole number (halves to even); 2π is the program&apos;s constant 6.2832, t the days since birth, P the period: intellectual 33 days, emotional 28, physical 23. The colour is the mean of the three.</translation>
    </message>
</context>
</TS>
