<?xml version="1.0" encoding="UTF-8"?>
<!--
  mootrak.xsl: turns a saved Mootrak meeting into a self-contained HTML page
  (inline CSS only) that is attached to e-mail notifications.
  Usage: xsltproc mootrak.xsl meeting.xml > meeting.html
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <!-- xsltproc writes "about:legacy-compat" as the plain HTML5 doctype. -->
  <xsl:output method="html" encoding="UTF-8" indent="yes" doctype-system="about:legacy-compat"/>

  <xsl:template match="/meeting">
    <xsl:variable name="about" select="normalize-space(@about)"/>
    <xsl:variable name="subject">
      <xsl:value-of select="$about"/>
      <xsl:if test="$about = ''">(no subject)</xsl:if>
    </xsl:variable>
    <html>
      <head>
        <!-- The one encoding declaration; xsltproc adds its own copy of this
             exact tag only when it is missing, so there is never a second one. -->
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <meta name="viewport" content="width=device-width, initial-scale=1"/>
        <title>Meeting: <xsl:value-of select="$subject"/></title>
        <style>
body { font: 15px/1.5 system-ui, -apple-system, "Segoe UI", Roboto, Helvetica, Arial, sans-serif;
       color: #222; background: #fff; max-width: 50em; margin: 0 auto; padding: 1em 1.5em;
       word-wrap: break-word; overflow-wrap: anywhere; }
h1 { font-size: 1.6em; margin: .2em 0; }
h2 { font-size: 1.2em; margin: 1.6em 0 .4em; padding-bottom: .2em; border-bottom: 1px solid #ddd; }
h3 { font-size: 1.05em; margin: 1.4em 0 .3em; }
h4 { font-size: .8em; margin: .8em 0 .1em; color: #666; text-transform: uppercase; letter-spacing: .05em; }
p { margin: .2em 0; }
.label { color: #666; }
.none { color: #888; font-style: italic; }
.text { white-space: pre-wrap; }
.problem { border-left: 3px solid #ddd; padding-left: 1em; }
.problem.done { border-left-color: #6a6; }
.done-mark { color: #363; font-weight: 600; }
table { width: 100%; table-layout: fixed; border-collapse: collapse; margin: .3em 0; }
th, td { text-align: left; vertical-align: top; padding: .3em .5em; border: 1px solid #ddd; }
th { font-weight: 600; color: #555; background: #f4f4f4; }
tbody tr:nth-child(even) td { background: #fafafa; }
a { color: #0645ad; }
@media print {
  body { max-width: none; padding: 0; }
  * { color: #000 !important; background: #fff !important; }
  h2, h3, h4 { page-break-after: avoid; break-after: avoid; }
}</style>
      </head>
      <body>
        <h1><xsl:value-of select="$subject"/></h1>
        <p><span class="label">Place: </span>
          <xsl:call-template name="value">
            <xsl:with-param name="value" select="header/place"/>
            <xsl:with-param name="none">no place</xsl:with-param>
          </xsl:call-template>
        </p>
        <p><span class="label">Date: </span>
          <xsl:call-template name="value">
            <xsl:with-param name="value" select="header/@date"/>
            <xsl:with-param name="none">no date</xsl:with-param>
          </xsl:call-template>
        </p>

        <h2>Decision</h2>
        <xsl:call-template name="text">
          <xsl:with-param name="text" select="header/decision"/>
          <xsl:with-param name="none">No decision yet</xsl:with-param>
        </xsl:call-template>
        <h2>Notes</h2>
        <xsl:call-template name="text">
          <xsl:with-param name="text" select="header/notes"/>
          <xsl:with-param name="none">No notes</xsl:with-param>
        </xsl:call-template>

        <h2>Participants (<xsl:value-of select="count(participants/participant)"/>)</h2>
        <xsl:call-template name="people">
          <xsl:with-param name="people" select="participants/participant"/>
          <xsl:with-param name="none">No participants</xsl:with-param>
        </xsl:call-template>

        <h2>Problems (<xsl:value-of select="count(problems/problem)"/>)</h2>
        <xsl:if test="not(problems/problem)"><p class="none">No problems</p></xsl:if>
        <xsl:for-each select="problems/problem">
          <xsl:variable name="done" select="normalize-space(decision/@done)"/>
          <div class="problem">
            <xsl:if test="$done"><xsl:attribute name="class">problem done</xsl:attribute></xsl:if>
            <h3><xsl:value-of select="position()"/>. <xsl:call-template name="value">
                <xsl:with-param name="value" select="short"/>
                <xsl:with-param name="none">(untitled problem)</xsl:with-param>
              </xsl:call-template>
              <xsl:if test="$done"><xsl:text> </xsl:text><span class="done-mark">(done)</span></xsl:if>
            </h3>
            <h4>Description</h4>
            <xsl:call-template name="text">
              <xsl:with-param name="text" select="full"/>
              <xsl:with-param name="none">No description</xsl:with-param>
            </xsl:call-template>
            <h4>Decision</h4>
            <xsl:call-template name="text">
              <xsl:with-param name="text" select="decision"/>
              <xsl:with-param name="none">No decision yet</xsl:with-param>
            </xsl:call-template>
            <p><span class="label">Due: </span>
              <xsl:call-template name="value">
                <xsl:with-param name="value" select="decision/@date"/>
                <xsl:with-param name="none">no date</xsl:with-param>
              </xsl:call-template>
            </p>
            <xsl:if test="$done">
              <p><span class="label">Done: </span><span class="done-mark"><xsl:value-of select="$done"/></span></p>
            </xsl:if>
            <h4>Responsibles</h4>
            <xsl:call-template name="people">
              <xsl:with-param name="people" select="responsibles/responsible"/>
              <xsl:with-param name="none">No responsibles</xsl:with-param>
            </xsl:call-template>
            <h4>Notes</h4>
            <xsl:call-template name="text">
              <xsl:with-param name="text" select="notes"/>
              <xsl:with-param name="none">No notes</xsl:with-param>
            </xsl:call-template>
          </div>
        </xsl:for-each>
      </body>
    </html>
  </xsl:template>

  <!-- A block of free text that keeps its line breaks, or a muted line when empty. -->
  <xsl:template name="text">
    <xsl:param name="text"/>
    <xsl:param name="none"/>
    <xsl:choose>
      <xsl:when test="normalize-space($text) = ''"><p class="none"><xsl:value-of select="$none"/></p></xsl:when>
      <xsl:otherwise><div class="text"><xsl:value-of select="$text"/></div></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A one-line value (name, place, date as written by the program), or a muted
       stand-in when empty, so a blank never looks like a fault. -->
  <xsl:template name="value">
    <xsl:param name="value"/>
    <xsl:param name="none">&#8211;</xsl:param>
    <xsl:value-of select="normalize-space($value)"/>
    <xsl:if test="normalize-space($value) = ''"><span class="none"><xsl:value-of select="$none"/></span></xsl:if>
  </xsl:template>

  <!-- A table of people (participants or responsibles), or a muted line when there are none. -->
  <xsl:template name="people">
    <xsl:param name="people"/>
    <xsl:param name="none"/>
    <xsl:choose>
      <xsl:when test="not($people)"><p class="none"><xsl:value-of select="$none"/></p></xsl:when>
      <xsl:otherwise>
        <table>
          <thead><tr><th>Name</th><th>Occupation</th><th>Phone</th><th>E-mail</th></tr></thead>
          <tbody>
          <xsl:for-each select="$people">
            <xsl:variable name="first" select="normalize-space(first_name)"/>
            <xsl:variable name="second" select="normalize-space(second_name)"/>
            <xsl:variable name="email" select="normalize-space(email)"/>
            <tr>
              <td>
                <xsl:value-of select="$second"/>
                <xsl:if test="$second != '' and $first != ''">, </xsl:if>
                <xsl:value-of select="$first"/>
                <xsl:if test="concat($second, $first) = ''"><span class="none">(no name)</span></xsl:if>
              </td>
              <td><xsl:call-template name="value"><xsl:with-param name="value" select="occupation"/></xsl:call-template></td>
              <td><xsl:call-template name="value"><xsl:with-param name="value" select="phone"/></xsl:call-template></td>
              <td>
                <xsl:if test="$email != ''"><a href="mailto:{$email}"><xsl:value-of select="$email"/></a></xsl:if>
                <xsl:if test="$email = ''"><span class="none">&#8211;</span></xsl:if>
              </td>
            </tr>
          </xsl:for-each>
          </tbody>
        </table>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

</xsl:stylesheet>
