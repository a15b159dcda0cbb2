<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>1 call written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 calls written to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ql310::CallLogCommands</name>
    <message>
        <source>Preparing the call log for sorting: %p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the call log for sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The call log could not be prepared for sorting; sorting reads the whole log.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ql310::TextTable</name>
    <message>
        <source>USB ISDN TA Configuration</source>
        <comment>101</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>102</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Command</source>
        <comment>103</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>104</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN</source>
        <comment>105</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone &amp;&amp; Data Function</source>
        <comment>106</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forwarding</source>
        <comment>107</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCR</source>
        <comment>108</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Dial</source>
        <comment>109</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PhoneBook</source>
        <comment>110</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port 1</source>
        <comment>111</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port 2</source>
        <comment>112</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port 3</source>
        <comment>113</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port 4</source>
        <comment>114</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <comment>115</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>116</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>117</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming MSN &amp;&amp; Ring type</source>
        <comment>118</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept All</source>
        <comment>119</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1</source>
        <comment>120</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2</source>
        <comment>121</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 3</source>
        <comment>122</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 4</source>
        <comment>123</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Phone Number</source>
        <comment>124</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A-law</source>
        <comment>125</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>u-law</source>
        <comment>126</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need Morning Call</source>
        <comment>127</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct To Outside Line</source>
        <comment>128</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Incoming Caller ID</source>
        <comment>129</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Outgoing Caller ID</source>
        <comment>130</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Call Waiting</source>
        <comment>131</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Take Over</source>
        <comment>132</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Music On Hold</source>
        <comment>133</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caller ID Option</source>
        <comment>134</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF aft-first ring</source>
        <comment>135</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK aft-first ring</source>
        <comment>136</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF pre-first ring</source>
        <comment>137</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK pre-first ring</source>
        <comment>138</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Forward</source>
        <comment>139</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <comment>140</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Answer</source>
        <comment>141</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediately</source>
        <comment>142</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward To</source>
        <comment>143</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay before forwarding on &quot;No Answer&quot;</source>
        <comment>144</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sec</source>
        <comment>145</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward According To Phone Book If No Answer</source>
        <comment>146</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peer Phone Number</source>
        <comment>147</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peer Name</source>
        <comment>148</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <comment>149</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <comment>150</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial Range</source>
        <comment>151</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <comment>152</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Time Range</source>
        <comment>153</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace</source>
        <comment>154</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add</source>
        <comment>155</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <comment>156</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <comment>157</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefer 1 B channel first for MLPPP function when using NDISWAN driver</source>
        <comment>158</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Setting</source>
        <comment>159</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Setting</source>
        <comment>160</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;oad LCR</source>
        <comment>161</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave LCR</source>
        <comment>162</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Phone Book</source>
        <comment>163</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>164</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from ISDN TA</source>
        <comment>165</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to &amp;Default</source>
        <comment>166</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write to ISDN TA</source>
        <comment>167</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;On Line Menu</source>
        <comment>168</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ISDN TA</source>
        <comment>169</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware :</source>
        <comment>170</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Success !</source>
        <comment>171</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Fail ! ISDN TA may not active</source>
        <comment>172</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to ISDN TA Success !</source>
        <comment>173</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to ISDN TA Fail ! ISDN TA May not active or busy</source>
        <comment>174</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morning Call Time</source>
        <comment>175</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion Table</source>
        <comment>176</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About ISDN TA Configuration</source>
        <comment>177</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISDN TA Configuration Program</source>
        <comment>178</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) the ql310set authors. Licensed under GPL-3.0-or-later.</source>
        <comment>179</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                 </source>
        <comment>180</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <comment>181</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <comment>182</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range between 1x --&gt;4xxx , the first digit must between be 1 to 4</source>
        <comment>183</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also appears at FSK CLID box</source>
        <comment>184</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Subscription Number &amp;&amp; Ring Type Setting</source>
        <comment>185</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>01</source>
        <comment>186</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>02</source>
        <comment>187</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>03</source>
        <comment>188</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>04</source>
        <comment>189</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>05</source>
        <comment>190</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>06</source>
        <comment>191</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>07</source>
        <comment>192</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>08</source>
        <comment>193</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>09</source>
        <comment>194</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <comment>195</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <comment>196</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <comment>197</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <comment>198</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <comment>199</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <comment>200</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <comment>201</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17</source>
        <comment>202</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <comment>203</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19</source>
        <comment>204</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <comment>205</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21</source>
        <comment>206</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <comment>207</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23</source>
        <comment>208</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <comment>209</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International</source>
        <comment>210</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taiwan</source>
        <comment>211</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <comment>212</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweden</source>
        <comment>213</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <comment>214</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <comment>215</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holland</source>
        <comment>216</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finland</source>
        <comment>217</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denmark</source>
        <comment>218</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <comment>219</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia</source>
        <comment>220</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norway</source>
        <comment>221</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italy</source>
        <comment>222</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>223</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China</source>
        <comment>224</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore</source>
        <comment>225</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malaysia</source>
        <comment>226</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <comment>227</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <comment>228</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isreal</source>
        <comment>229</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poland</source>
        <comment>230</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech</source>
        <comment>231</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungary</source>
        <comment>232</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenia</source>
        <comment>233</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estonia</source>
        <comment>234</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovakia</source>
        <comment>235</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NewZealand</source>
        <comment>236</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korea</source>
        <comment>237</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan</source>
        <comment>238</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philippine</source>
        <comment>239</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thiland</source>
        <comment>240</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <comment>241</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greece</source>
        <comment>242</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argentina</source>
        <comment>243</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austria</source>
        <comment>244</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <comment>245</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgium</source>
        <comment>246</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brasil</source>
        <comment>247</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <comment>248</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <comment>249</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chile</source>
        <comment>250</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colombia</source>
        <comment>251</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egypt</source>
        <comment>252</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hongkong</source>
        <comment>253</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>India</source>
        <comment>254</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesia</source>
        <comment>255</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran</source>
        <comment>256</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iraq</source>
        <comment>257</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ireland</source>
        <comment>258</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mexico</source>
        <comment>259</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peru</source>
        <comment>260</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <comment>261</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romania</source>
        <comment>262</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russia</source>
        <comment>263</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <comment>264</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Africa</source>
        <comment>265</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>266</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukraine</source>
        <comment>267</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <comment>268</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>269</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>270</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>271</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>272</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>273</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>274</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>275</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>276</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>277</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>278</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>279</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>280</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>281</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxxxx</source>
        <comment>282</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <comment>283</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00</source>
        <comment>284</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>01</source>
        <comment>285</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>02</source>
        <comment>286</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>03</source>
        <comment>287</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>04</source>
        <comment>288</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>05</source>
        <comment>289</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>06</source>
        <comment>290</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>07</source>
        <comment>291</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>08</source>
        <comment>292</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>09</source>
        <comment>293</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <comment>294</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <comment>295</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <comment>296</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <comment>297</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <comment>298</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <comment>299</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <comment>300</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17</source>
        <comment>301</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <comment>302</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19</source>
        <comment>303</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <comment>304</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21</source>
        <comment>305</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <comment>306</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23</source>
        <comment>307</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <comment>308</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25</source>
        <comment>309</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26</source>
        <comment>310</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27</source>
        <comment>311</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28</source>
        <comment>312</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29</source>
        <comment>313</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <comment>314</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31</source>
        <comment>315</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32</source>
        <comment>316</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>33</source>
        <comment>317</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>34</source>
        <comment>318</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>35</source>
        <comment>319</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36</source>
        <comment>320</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>37</source>
        <comment>321</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38</source>
        <comment>322</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>39</source>
        <comment>323</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40</source>
        <comment>324</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>41</source>
        <comment>325</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>42</source>
        <comment>326</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>43</source>
        <comment>327</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44</source>
        <comment>328</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45</source>
        <comment>329</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>46</source>
        <comment>330</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>47</source>
        <comment>331</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48</source>
        <comment>332</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>49</source>
        <comment>333</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <comment>334</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>51</source>
        <comment>335</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>52</source>
        <comment>336</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>53</source>
        <comment>337</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>54</source>
        <comment>338</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55</source>
        <comment>339</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56</source>
        <comment>340</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57</source>
        <comment>341</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>58</source>
        <comment>342</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>59</source>
        <comment>343</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60</source>
        <comment>344</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone number such as local code and country code</source>
        <comment>345</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allows the prefix to be replaced or added</source>
        <comment>346</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone code allows you to benefits the better tariff</source>
        <comment>347</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call to remote party without dialing &quot;0&quot; if checked</source>
        <comment>348</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call to remote party with dialing &quot;0&quot;</source>
        <comment>349</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive and send a second call</source>
        <comment>350</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take an on-going incoming call from another extension</source>
        <comment>351</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No waiting music while call in on hold</source>
        <comment>352</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please refer to the &quot;Caller ID Option&quot; at user manual or on-line help</source>
        <comment>353</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please refer to the &quot;Distinctive Ringing&quot; at user manual or on-line help</source>
        <comment>354</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can appear at remote site</source>
        <comment>355</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter phone number for calling remote party</source>
        <comment>356</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter phone number for calling remote party</source>
        <comment>357</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter phone number of local extension or remote party</source>
        <comment>358</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Phone &amp;Book</source>
        <comment>359</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon-Sun</source>
        <comment>360</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>361</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <comment>362</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table (1-&gt;20)</source>
        <comment>363</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <comment>364</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <comment>365</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <comment>366</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add/replace</source>
        <comment>367</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <comment>368</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <comment>369</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <comment>370</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes/No</source>
        <comment>371</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Logging</source>
        <comment>372</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port1</source>
        <comment>373</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port2</source>
        <comment>374</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port3</source>
        <comment>375</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port4</source>
        <comment>376</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data(B1)</source>
        <comment>377</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data(B2)</source>
        <comment>378</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <comment>379</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <comment>380</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <comment>381</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Time</source>
        <comment>382</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>383</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> IN</source>
        <comment>384</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT</source>
        <comment>385</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call &amp;Logging</source>
        <comment>386</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <comment>387</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <comment>388</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <comment>389</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Month  / Day  /  Year      --&gt;   Month  /  Day   / Year</source>
        <comment>390</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>391</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canel</source>
        <comment>392</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Call Logging</source>
        <comment>393</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This time you got</source>
        <comment>394</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>records in Call Logging.</source>
        <comment>395</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <comment>396</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <comment>397</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <comment>398</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <comment>399</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tran(B1)</source>
        <comment>400</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tran(B2)</source>
        <comment>401</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>402</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to ISDN TA now?</source>
        <comment>403</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waring! ISDN TA is not connected.</source>
        <comment>404</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade Firmware</source>
        <comment>405</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In/Out</source>
        <comment>406</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOD</source>
        <comment>407</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Minimum 2nd B channel connection :</source>
        <comment>408</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Delay for 2nd B channel reconnect :</source>
        <comment>409</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.Open 2nd B channel above :</source>
        <comment>410</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.Close 2nd B channel below :</source>
        <comment>411</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPS</source>
        <comment>412</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of &quot;Item4&quot; must be less than the &quot;Item3&quot;.</source>
        <comment>413</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDI Function</source>
        <comment>414</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>415</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point to Point</source>
        <comment>416</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point to MP</source>
        <comment>417</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>418</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <comment>419</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call forwarding of supplementary service:</source>
        <comment>420</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate</source>
        <comment>421</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate</source>
        <comment>422</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ql310::calllog::CallFilterBar</name>
    <message>
        <source>Number or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search calls by number or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In progress only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calls: the first day is after the last day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 calls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ql310::calllog::CallLogWorkbench</name>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the call log is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calls could not be exported to %1: %2. The file was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ql310::calllog::StatisticsWindow</name>
    <message>
        <source>Call Logging Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls a Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk Time per Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost Calls a Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest Talk Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The call log cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 calls, %2 lost, talk time %3:%4:%5 (lost calls not counted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*: calls of these days are missing, the adapter&apos;s memory of 90 calls overflowed before it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved in %1: %2. The file was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ql310::collection::CollectionLines</name>
    <message>
        <source>&amp;Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New calls were fetched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New calls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
